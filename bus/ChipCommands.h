#pragma once

#include <cstdint>

// What the board's two-wire chips answer to: the bytes the programs send and the virtual
// board's chips act on, named once for both.

// The temperature sensor: commands after its write address.
namespace sensor {
constexpr std::uint8_t WriteAddress = 0x90;
constexpr std::uint8_t ReadAddress = 0x91;
constexpr std::uint8_t ReadTemperature = 0xAA;  // two bytes: whole degrees, then bit 7 = half a degree
constexpr std::uint8_t StartConvert = 0xEE;
constexpr std::uint8_t StopConvert = 0x22;
constexpr std::uint8_t AccessConfig = 0xAC;  // the one-byte configuration register
} // namespace sensor

// The PCF8591 converter: four 8-bit inputs and one 8-bit output, 0 to 255 for 0 to 5 V.
namespace converter {
constexpr std::uint8_t WriteAddress = 0x90;
constexpr std::uint8_t ReadAddress = 0x91;
constexpr int Channels = 4;
constexpr int FullScaleVolts = 5;
constexpr int Steps = 255;  // the byte at full scale
// Its control byte, the first byte of a write; bits 5-4 at 0 read the four inputs single-ended.
constexpr std::uint8_t OutputEnable = 0x40;   // the analogue output on
constexpr std::uint8_t AutoIncrement = 0x04;  // the channel steps after each conversion
constexpr std::uint8_t ChannelBits = 0x03;    // the channel converted first
} // namespace converter

// The PCF8574 and PCF8574A expanders: their address bytes (the seven-bit address shifted left)
// with the three address pins at 0; pins A0 to A2 add 2, 4 and 8.
namespace expander {
constexpr std::uint8_t Pcf8574AddressByte = 0x40;
constexpr std::uint8_t Pcf8574AAddressByte = 0x70;
} // namespace expander
