#include "TemperatureSensor.h"

#include <algorithm>

void TemperatureSensor::setHalfDegrees(int halfDegrees)
{
    halfDegrees_ = std::clamp(halfDegrees, -110, 250);
}

bool TemperatureSensor::writeReceived(std::uint8_t byte)
{
    if (written_++ == 0) {
        command_ = byte;
        if (byte == sensor::StartConvert)
            converting_ = true;
        else if (byte == sensor::StopConvert)
            converting_ = false;
    } else if (command_ == sensor::AccessConfig && written_ == 2) {
        config_ = byte;
    }
    return true;
}

std::uint8_t TemperatureSensor::byteAt(int index) const
{
    switch (command_) {
    case sensor::ReadTemperature:
        if (index == 0)
            return std::uint8_t((halfDegrees_ >> 1) & 0xFF);  // floor: -0.5 °C is FF 80
        if (index == 1)
            return (halfDegrees_ & 1) ? 0x80 : 0x00;
        return 0xFF;
    case sensor::AccessConfig:
        return index == 0 ? config_ : 0xFF;
    default:
        return 0xFF;
    }
}

std::uint8_t TemperatureSensor::readRequested()
{
    readIndex_ = 0;
    return byteAt(readIndex_);
}

std::uint8_t TemperatureSensor::readProcessed()
{
    return byteAt(++readIndex_);
}
