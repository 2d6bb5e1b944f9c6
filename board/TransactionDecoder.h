#pragma once

#include "TwoWireListener.h"

#include <functional>
#include <string>

// Decodes the bus as a logic analyser's protocol decoder does and writes every transaction
// on one line: "S 90 W A AA A Sr 91 R A 19 A 80 N P" (start, address with R or W, A or N
// after each byte, Sr for a repeated start, P for stop).
class TransactionDecoder : public TwoWireListener {
public:
    using Sink = std::function<void(const std::string& transaction)>;

    explicit TransactionDecoder(Sink sink) : sink_(std::move(sink)) {}

    void busLevels(bool scl, bool sda) override;
    // The transaction decoded so far (empty between transactions).
    const std::string& pending() const { return line_; }

private:
    void append(const std::string& item);

    Sink sink_;
    std::string line_;
    bool scl_ = true;
    bool sda_ = true;
    bool inTransaction_ = false;
    bool addressByte_ = false;
    bool sample_ = true;
    bool sampled_ = false;
    int bits_ = 0;
    unsigned byte_ = 0;
};
