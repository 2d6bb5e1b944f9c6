#pragma once

#include "ChipCommands.h"
#include "I2cTarget.h"
#include "PartVisitor.h"

// A PCF8574 (or PCF8574A) eight-bit expander with quasi-bidirectional pins: a written byte
// goes to the output latch, and a pin whose latch bit is 1 is only weakly pulled up, so that
// anything outside may pull it low. Every byte read gives the pins' levels at that moment,
// the latch AND NOT what pulls the pins low from outside.
class Pcf8574Expander : public I2cTarget {
public:
    // Seven-bit addresses with the three address pins at 0; the pins add 0 to 7.
    static constexpr std::uint8_t Pcf8574Address7 = expander::Pcf8574AddressByte >> 1;
    static constexpr std::uint8_t Pcf8574AAddress7 = expander::Pcf8574AAddressByte >> 1;

    explicit Pcf8574Expander(std::uint8_t address7 = Pcf8574Address7) : I2cTarget(address7) {}
    void accept(PartVisitor& visitor) override { visitor.visit(*this); }

    std::uint8_t latch() const { return latch_; }
    void setLatch(std::uint8_t value) { latch_ = value; }
    // Bit i set: something outside holds pin Pi low.
    std::uint8_t externalLow() const { return externalLow_; }
    void setExternalLow(std::uint8_t mask) { externalLow_ = mask; }
    std::uint8_t pins() const { return std::uint8_t(latch_ & ~externalLow_); }

protected:
    bool writeReceived(std::uint8_t byte) override
    {
        latch_ = byte;
        return true;
    }
    std::uint8_t readRequested() override { return pins(); }
    std::uint8_t readProcessed() override { return pins(); }

private:
    std::uint8_t latch_ = 0xFF;
    std::uint8_t externalLow_ = 0x00;
};
