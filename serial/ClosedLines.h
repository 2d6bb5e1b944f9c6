#pragma once

#include "SerialLines.h"

// What the component drives while no port is open: puts do nothing, status reads give False.
class ClosedLines final : public SerialLines {
public:
    void setDtr(bool) override {}
    void setRts(bool) override {}
    void setBreak(bool) override {}
    bool cd() override { return false; }
    bool cts() override { return false; }
    bool dsr() override { return false; }
    void write(std::uint8_t) override {}
};
