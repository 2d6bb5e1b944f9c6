#pragma once

#include "Board.h"
#include "SerialLines.h"

// A port whose cable ends at the virtual board. Like a Linux port, it raises DTR and RTS
// when it opens.
class VirtualPort : public SerialLines {
public:
    VirtualPort(Board& board, const LineSettings& settings);

    void setDtr(bool asserted) override { board_.setDtr(asserted); }
    void setRts(bool asserted) override { board_.setRts(asserted); }
    void setBreak(bool on) override { board_.setBreak(on); }
    bool cd() override { return board_.cd(); }
    bool cts() override { return board_.cts(); }
    bool dsr() override { return board_.dsr(); }
    void write(std::uint8_t byte) override { board_.receive(byte, settings_); }

private:
    Board& board_;
    LineSettings settings_;
};
