#pragma once

#include "ChipCommands.h"
#include "I2cTarget.h"
#include "PartVisitor.h"

#include <array>

// The board's PCF8591: four 8-bit analogue inputs and one 8-bit analogue output.
// A write sets the control byte (bits 1-0 channel, bit 2 auto-increment, bit 6 output
// enable; the input-mode bits are kept but the four inputs always read single-ended), and
// every byte after it goes to the output register. In a read, a conversion of the current
// channel is made at the falling edge of the address's acknowledge clock and of every
// acknowledge the master gives, and each byte sent carries the result of the conversion
// before it: the first byte of a read is the last result of the previous read (0x80 after
// power-on). With auto-increment the channel steps after each conversion, wrapping after
// the fourth.
class Pcf8591Converter : public I2cTarget {
public:
    static constexpr int Channels = converter::Channels;
    static constexpr std::uint8_t PowerOnResult = 0x80;

    explicit Pcf8591Converter(std::uint8_t address7 = converter::WriteAddress >> 1) : I2cTarget(address7) {}
    void accept(PartVisitor& visitor) override { visitor.visit(*this); }

    // Raw input levels, 0 to 255 for 0 to 5 V. Throws std::out_of_range for a channel
    // outside 0 to 3.
    std::uint8_t input(int channel) const { return inputs_.at(std::size_t(channel)); }
    void setInput(int channel, std::uint8_t raw) { inputs_.at(std::size_t(channel)) = raw; }

    std::uint8_t output() const { return output_; }
    void setOutput(std::uint8_t raw) { output_ = raw; }
    std::uint8_t control() const { return control_; }
    int channel() const { return channel_; }
    bool outputEnabled() const { return (control_ & converter::OutputEnable) != 0; }

protected:
    void writeRequested() override { written_ = 0; }
    bool writeReceived(std::uint8_t byte) override;
    std::uint8_t readRequested() override { return convert(); }
    std::uint8_t readProcessed() override { return convert(); }

private:
    // Starts a conversion; gives the byte to send now, the previous conversion's result.
    std::uint8_t convert();

    std::array<std::uint8_t, Channels> inputs_{51, 102, 128, 204};
    std::uint8_t output_ = 0;
    std::uint8_t control_ = 0;
    int channel_ = 0;
    std::uint8_t lastResult_ = PowerOnResult;
    int written_ = 0;
};
