#pragma once

#include <chrono>

// The monotonic clock a settle wait reads and sleeps on. Tests and the adapter model drive a
// subclass whose time moves only when slept on; everything else uses real().
class MonotonicClock {
public:
    using time_point = std::chrono::steady_clock::time_point;

    virtual ~MonotonicClock() = default;
    virtual time_point now();
    // Returns at `deadline` or later, sleeping (never spinning) until then.
    virtual void sleepUntil(time_point deadline);

    static MonotonicClock& real();
};
