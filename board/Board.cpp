#include "Board.h"

void Board::setUnplugged(bool unplugged)
{
    unplugged_ = unplugged;
    if (unplugged_)
        return;
    deliver(&PortLines::dtr);
    deliver(&PortLines::rts);
    deliver(&PortLines::txdBreak);
}

void Board::receive(std::uint8_t byte, const LineSettings& settings)
{
    if (unplugged_)
        return;
    for (auto& part : parts_)
        part->byteReceived(byte, settings);
}

bool Board::cd() const
{
    if (unplugged_)
        return false;
    for (auto& part : parts_)
        if (part->assertsCd())
            return true;
    return false;
}

bool Board::cts() const
{
    if (unplugged_)
        return false;
    for (auto& part : parts_)
        if (part->assertsCts())
            return true;
    return false;
}

bool Board::dsr() const
{
    if (unplugged_)
        return false;
    for (auto& part : parts_)
        if (part->assertsDsr())
            return true;
    return false;
}
