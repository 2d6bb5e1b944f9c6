#include "Pcf8591Converter.h"

bool Pcf8591Converter::writeReceived(std::uint8_t byte)
{
    if (written_++ == 0) {
        control_ = byte;
        channel_ = byte & converter::ChannelBits;
    } else {
        output_ = byte;
    }
    return true;
}

std::uint8_t Pcf8591Converter::convert()
{
    std::uint8_t previous = lastResult_;
    lastResult_ = inputs_[std::size_t(channel_)];
    if (control_ & converter::AutoIncrement)
        channel_ = (channel_ + 1) % Channels;
    return previous;
}
