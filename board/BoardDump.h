#pragma once

#include "PartListener.h"
#include "VcdWriter.h"

// The virtual board's lines dumped as its parts see them: the two-wire bus (SCL, SDA as the
// master and the chips make it) or the shift register's inputs (DTR, TXD, RTS), whichever the
// board carries, in the writer's wires in that order.
class BoardDump final : public PartListener {
public:
    explicit BoardDump(VcdWriter& out) : out_(out) {}

    void busLevels(bool scl, bool sda) override
    {
        out_.changeNow(0, scl);
        out_.changeNow(1, sda);
    }
    void shiftInputs(bool clock, bool data, bool latch) override
    {
        out_.changeNow(0, clock);
        out_.changeNow(1, data);
        out_.changeNow(2, latch);
    }

private:
    VcdWriter& out_;
};
