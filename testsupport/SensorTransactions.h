#pragma once

#include "I2CSboard.h"

#include <cstdint>
#include <utility>

// The temperature programs' transactions with the sensor at 0x90/0x91, built from the
// primitives as the programs build them; shared by tests and benchmarks.
namespace sensorBus {

// Command 0xAA, repeated start, two bytes (the first acknowledged), stop.
inline std::pair<std::uint8_t, std::uint8_t> readTemperature()
{
    using namespace I2CSboard;
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(0xAA);
    GetAck();
    I2CStart();
    WriteByte(0x91);
    GetAck();
    std::uint8_t whole = ReadByte();
    SendZero();
    std::uint8_t half = ReadByte();
    ClockPulse();
    I2CStop();
    return {whole, half};
}

// A one-byte command such as 0xEE (start converting) or 0x22 (stop).
inline void sendCommand(std::uint8_t command)
{
    using namespace I2CSboard;
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(command);
    GetAck();
    I2CStop();
}

// Command 0xAC, repeated start, one byte not acknowledged, stop.
inline std::uint8_t readConfig()
{
    using namespace I2CSboard;
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(0xAC);
    GetAck();
    I2CStart();
    WriteByte(0x91);
    GetAck();
    std::uint8_t value = ReadByte();
    ClockPulse();
    I2CStop();
    return value;
}

} // namespace sensorBus
