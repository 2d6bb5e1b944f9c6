#pragma once

#include "BoardPart.h"

#include <cstdint>
#include <vector>

// An asynchronous receiver wired to TXD, with a sixteen-bit output latch: it keeps the last
// two bytes received and, on each rising edge of RTS, latches them as OUTH (the earlier) and
// OUTL (the later).
//
// Each byte sent is drawn as the frame the sender makes at its own settings and sampled as a
// receiver at its settings does (start edge, then the middle of every bit), so a sender at
// other settings gives what a real receiver would: other bytes, more or fewer of them, and
// framing errors (a stop bit sampled low). A byte with a framing error is still received, as
// a UART places it in its buffer. The line is taken to rest idle between the bytes sent.
// Its listeners hear every byte as it is received and the outputs after every latch pulse.
class SerialReceiver : public BoardPart {
public:
    explicit SerialReceiver(const LineSettings& settings = LineSettings{57600, 'n', 8, 1});

    void linesChanged(const PortLines& before, const PortLines& now) override;
    void byteReceived(std::uint8_t byte, const LineSettings& sentWith) override;
    void accept(PartVisitor& visitor) override { visitor.visit(*this); }

    const LineSettings& settings() const { return settings_; }
    // Every byte received, in order.
    const std::vector<std::uint8_t>& received() const { return received_; }
    long framingErrors() const { return framingErrors_; }
    long parityErrors() const { return parityErrors_; }

    // The latched outputs.
    std::uint8_t outH() const { return outH_; }
    std::uint8_t outL() const { return outL_; }
    std::uint16_t outputs() const { return std::uint16_t(outH_ << 8 | outL_); }
    long latches() const { return latches_; }

private:
    void take(std::uint8_t byte, bool framingError);

    LineSettings settings_;
    std::vector<std::uint8_t> received_;
    long framingErrors_ = 0;
    long parityErrors_ = 0;
    std::uint8_t earlier_ = 0;
    std::uint8_t last_ = 0;
    std::uint8_t outH_ = 0;
    std::uint8_t outL_ = 0;
    long latches_ = 0;
};
