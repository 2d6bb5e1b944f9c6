#pragma once

#include "MonotonicClock.h"

// A monotonic clock whose time moves only when something sleeps on it or advances it, so that
// a settle wait or an adapter's transfer times cost nothing real and give the same times on
// every run.
class SimulatedClock final : public MonotonicClock {
public:
    std::chrono::nanoseconds now() override { return now_; }
    void sleepUntil(std::chrono::nanoseconds deadline) override
    {
        if (deadline > now_) {
            slept_ += deadline - now_;
            now_ = deadline;
        }
    }
    void advance(std::chrono::nanoseconds by) { now_ += by; }

    // Time spent in sleepUntil since the start.
    std::chrono::nanoseconds slept() const { return slept_; }

private:
    std::chrono::nanoseconds now_{0};
    std::chrono::nanoseconds slept_{0};
};
