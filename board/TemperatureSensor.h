#pragma once

#include "ChipCommands.h"
#include "I2cTarget.h"
#include "PartVisitor.h"

// The board's temperature sensor: command 0xAA reads the temperature as two bytes (whole
// degrees in two's complement, then bit 7 = half a degree), 0xEE and 0x22 start and stop
// conversions, 0xAC reaches the one-byte configuration register.
class TemperatureSensor : public I2cTarget {
public:
    explicit TemperatureSensor(std::uint8_t address7 = sensor::WriteAddress >> 1) : I2cTarget(address7) {}
    void accept(PartVisitor& visitor) override { visitor.visit(*this); }

    // Temperature in half degrees (51 = 25.5 °C), -110 to 250.
    int halfDegrees() const { return halfDegrees_; }
    void setHalfDegrees(int halfDegrees);
    bool converting() const { return converting_; }
    std::uint8_t config() const { return config_; }

protected:
    void writeRequested() override { written_ = 0; }
    bool writeReceived(std::uint8_t byte) override;
    std::uint8_t readRequested() override;
    std::uint8_t readProcessed() override;

private:
    std::uint8_t byteAt(int index) const;

    int halfDegrees_ = 51;
    bool converting_ = false;
    std::uint8_t config_ = 0x8C;
    std::uint8_t command_ = 0;
    int written_ = 0;
    int readIndex_ = 0;
};
