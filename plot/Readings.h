#pragma once

#include "Series.h"

#include <functional>
#include <vector>

// What a program's window shows that a plot follows: the series, and how to read them off the
// window as it stands. Reading touches the window's controls only, never the port.
struct Readings {
    std::vector<Series> series;
    // The values shown now, one per series; NaN where the window shows none.
    std::function<std::vector<double>()> read;
    // The handler that takes a fresh reading (thermread's Read Temp), for a plot that asks for
    // one at regular times; empty where the window reads on its own timers.
    std::function<void()> readNow;
};
