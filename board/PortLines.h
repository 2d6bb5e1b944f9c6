#pragma once

// The levels of the port's three outputs as the board sees them.
struct PortLines {
    bool dtr = true;
    bool rts = true;
    bool txdBreak = false;
};
