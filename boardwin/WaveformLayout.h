#pragma once

#include "BusCapture.h"

#include <string>
#include <vector>

// What the waveform pane draws of a capture, in microseconds from its first change: each line
// as a trace of steps, and beneath them, as a logic analyser's viewer shows them, a row of bits
// and a row of the decoder's items, each mark spanning the bit cells it covers. A two-wire
// transaction's items are the bus decoder's own (S, "90 W", A or N, "AA", Sr, P), found by
// following it change by change; a shift register's word shows its bits as D15 … D0 (counted
// back from the latch pulse; bits shifted out past D15 as "out") and the latch pulse.
struct WaveformLayout {
    struct Step {
        double at;
        bool level;  // from `at` on
    };
    struct Trace {
        std::string name;
        std::vector<Step> steps;  // the first at 0 or before: the level before the first change
    };
    struct Mark {
        double from, to;
        std::string text;
    };

    std::vector<Trace> traces;
    std::vector<Mark> bits;
    std::vector<Mark> items;
    double end = 0;  // the last change

    static WaveformLayout of(const BusCapture& capture, double nsPerTick);
    // The items' texts apart by one space: for a transaction, the monitor's line without its time.
    std::string itemsText() const;
};
