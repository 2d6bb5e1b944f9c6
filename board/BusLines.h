#pragma once

#include "Board.h"
#include "LatchedShiftRegister.h"
#include "PartVisitor.h"
#include "ShiftLinesDump.h"
#include "TwoWireBus.h"
#include "TwoWireDump.h"

#include <cstdint>
#include <string>
#include <vector>

// Which lines carry a board's traffic, found by what it carries: a two-wire bus (SCL, SDA) or
// a shift register (DTR, TXD, RTS), or neither (a serial receiver, status inputs). The wires
// are named as the dumps and the waveform name them.
enum class BusLines : std::uint8_t { None, TwoWire, ShiftRegister };

inline BusLines busLinesOf(Board& board)
{
    struct Finder : PartVisitor {
        using PartVisitor::visit;
        void visit(TwoWireBus&) override { lines = BusLines::TwoWire; }
        void visit(LatchedShiftRegister&) override { lines = BusLines::ShiftRegister; }
        BusLines lines = BusLines::None;
    } finder;
    board.accept(finder);
    return finder.lines;
}

inline const std::vector<std::string>& busWires(BusLines lines)
{
    static const std::vector<std::string> none;
    return lines == BusLines::TwoWire ? TwoWireDump::Wires : lines == BusLines::ShiftRegister ? ShiftLinesDump::Wires : none;
}
