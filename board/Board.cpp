#include "Board.h"

void Board::receive(std::uint8_t byte, const LineSettings& settings)
{
    for (auto& part : parts_)
        part->byteReceived(byte, settings);
}

bool Board::cd() const
{
    for (auto& part : parts_)
        if (part->assertsCd())
            return true;
    return false;
}

bool Board::cts() const
{
    for (auto& part : parts_)
        if (part->assertsCts())
            return true;
    return false;
}

bool Board::dsr() const
{
    for (auto& part : parts_)
        if (part->assertsDsr())
            return true;
    return false;
}
