#pragma once

#include "BusItem.h"
#include "PartListener.h"

#include <functional>
#include <string>

// Decodes the bus as a logic analyser's protocol decoder does: from the levels of SCL and SDA
// it finds the bus conditions (start, stop, a data bit, an acknowledge bit) and, in the phase
// the transaction is in, turns them into items (BusItem). At each stop it hands the
// transaction's items to its sink, or their text ("S 90 W A AA A Sr 91 R A 19 A 80 N P",
// see TransactionText.h) to a text sink.
class TransactionDecoder : public PartListener {
public:
    using Sink = std::function<void(const BusItems& transaction)>;
    using TextSink = std::function<void(const std::string& transaction)>;

    explicit TransactionDecoder(Sink sink) : sink_(std::move(sink)) {}
    explicit TransactionDecoder(TextSink sink);

    void busLevels(bool scl, bool sda) override;
    // The items of the transaction under way (empty between transactions).
    const BusItems& pending() const { return items_; }
    // The bits of the byte under way so far (8 while its acknowledge is awaited), and the level
    // of SDA that the last bit clocked, or the one being clocked, was sampled at: what a view
    // that follows the decoder change by change needs to mark each bit.
    int bits() const { return bits_; }
    bool lastSample() const { return sample_; }

private:
    // Idle between transactions; then the bits of an address byte, of a data byte, or the
    // acknowledge bit after either.
    enum class Phase : std::uint8_t { Idle, Address, Data, Acknowledge };

    void start();
    void stop();
    void bitClocked();
    void dataBit(bool bit);
    void acknowledgeBit(bool bit);

    Sink sink_;
    BusItems items_;
    BusItems done_;  // the transaction handed to the sink, kept for its room
    Phase phase_ = Phase::Idle;
    bool scl_ = true;
    bool sda_ = true;
    bool sample_ = true;
    bool sampled_ = false;
    int bits_ = 0;  // of the byte under way; 8 while its acknowledge is awaited
    BusItem byte_{BusItem::Kind::Data};
};
