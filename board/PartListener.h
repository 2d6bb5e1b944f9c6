#pragma once

#include <cstdint>

// Hears what the parts of the board do: a part tells each of its events to every listener
// added to it (BoardPart::addListener), whatever the number. A listener overrides the events
// it wants; each part tells only its own kind.
class PartListener {
public:
    virtual ~PartListener() = default;
    // The two-wire bus after every change of its lines (SDA as the chips and the master make it).
    virtual void busLevels(bool scl, bool sda);
    // A shift register's three inputs after every change of one: the shift clock (DTR), the
    // data (TXD, high unless in break) and the latch (RTS).
    virtual void shiftInputs(bool clock, bool data, bool latch);
    // An output latch took `outputs`.
    virtual void latched(std::uint16_t outputs);
    // A receiver took `byte` off the line, with or without a framing error.
    virtual void received(std::uint8_t byte, bool framingError);
};
