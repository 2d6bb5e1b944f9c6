#pragma once

#include "LineSettings.h"
#include "PortLines.h"

#include <cstdint>

// One part of the board wired to the port: it sees the outputs change and the bytes arrive,
// and may assert the status inputs.
class BoardPart {
public:
    virtual ~BoardPart() = default;
    // Called after every change of one output; `before` holds the levels before it.
    virtual void linesChanged(const PortLines& before, const PortLines& now) = 0;
    virtual void byteReceived(std::uint8_t /*byte*/, const LineSettings& /*settings*/) {}
    virtual bool assertsCd() const { return false; }
    virtual bool assertsCts() const { return false; }
    virtual bool assertsDsr() const { return false; }
};
