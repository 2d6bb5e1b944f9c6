#pragma once

#include <chrono>

// A clock for short waits: time since an arbitrary origin that only moves forward and never
// starts again (the time of day would, at midnight).
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::nanoseconds now() = 0;

    // The system's monotonic clock.
    static MonotonicClock& system();
};
