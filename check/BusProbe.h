#pragma once

#include "MonotonicClock.h"
#include "SerialLines.h"

#include <chrono>
#include <optional>
#include <vector>

// Looks at the two-wire bus from the port's side before a program uses it: whether CD follows
// SDA (RTS), frees a chip left holding SDA low mid-byte, and times how late the status reads
// show a change. It drives the port's own lines, with no settle in between: it reads back to
// back, at most one read every `PollStep`, until CD follows or `Timeout` has passed.
class BusProbe {
public:
    static constexpr std::chrono::microseconds PollStep{50};
    static constexpr std::chrono::milliseconds Timeout{100};
    static constexpr int RecoveryClocks = 9;

    struct DataLine {
        bool stuckLow = false;    // SDA read low while released
        int recoveryClocks = 0;   // clocks given to free it
        bool freed = false;       // it read high after them and a stop
        bool followsLow = false;  // CD said low with SDA pulled low
        bool followsHigh = false; // and high with SDA released again
        bool follows() const { return (!stuckLow || freed) && followsLow && followsHigh; }
    };

    // `settle`: the wait before each read while freeing the bus, as the port needs it.
    BusProbe(SerialLines& lines, MonotonicClock& clock, std::chrono::microseconds settle)
        : lines_(lines), clock_(clock), settle_(settle)
    {
    }

    DataLine checkDataLine();
    // Pulls SDA low (or releases it) and reads CD until it shows that: the time from the put's
    // return to the read that first showed it, zero when the first read did; none on time-out.
    std::optional<std::chrono::nanoseconds> follow(bool low);
    // `times` changes, low and high in turn; stops at the first that times out (fewer lags).
    std::vector<std::chrono::nanoseconds> lags(int times);

private:
    bool sdaHighSettled();

    SerialLines& lines_;
    MonotonicClock& clock_;
    std::chrono::microseconds settle_;
};
