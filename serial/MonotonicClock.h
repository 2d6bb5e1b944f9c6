#pragma once

#include <chrono>

// Time since an arbitrary origin that only moves forward and never starts again (the time of
// day would, at midnight), for short waits: serialout's latch delay and the settle before a
// status read on a USB adapter. Tests drive subclasses whose time moves as they say; everything
// else uses system().
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::nanoseconds now();
    // Returns at `deadline` (a now() reading) or later, sleeping, never spinning, until then.
    virtual void sleepUntil(std::chrono::nanoseconds deadline);

    // The system's monotonic clock.
    static MonotonicClock& system();
};
