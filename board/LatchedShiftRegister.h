#pragma once

#include "BoardPart.h"

#include <cstdint>

// A sixteen-bit shift register with an output latch on three port lines: TXD carries the
// data (1 while TXD is not in break), each rising edge of DTR shifts it in, and each rising
// edge of RTS copies the register to the sixteen latched outputs. After sixteen shifts the
// bit shifted in first stands at D15. Its listeners hear its inputs after every change and the outputs after every latch pulse.
class LatchedShiftRegister : public BoardPart {
public:
    void linesChanged(const PortLines& before, const PortLines& now) override;
    void accept(PartVisitor& visitor) override { visitor.visit(*this); }

    std::uint16_t shiftRegister() const { return register_; }
    // The latched outputs D15 … D0.
    std::uint16_t outputs() const { return outputs_; }
    bool output(int bit) const { return (outputs_ >> bit) & 1u; }
    long shifts() const { return shifts_; }
    long latches() const { return latches_; }

private:
    std::uint16_t register_ = 0;
    std::uint16_t outputs_ = 0;
    long shifts_ = 0;
    long latches_ = 0;
};
