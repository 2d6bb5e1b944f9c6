#include "VirtualPort.h"

VirtualPort::VirtualPort(Board& board, const LineSettings& settings) : board_(board), settings_(settings)
{
    board_.setDtr(true);
    board_.setRts(true);
}
