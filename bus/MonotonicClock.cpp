#include "MonotonicClock.h"

#include <cerrno>
#include <ctime>

MonotonicClock::time_point MonotonicClock::now() { return std::chrono::steady_clock::now(); }

void MonotonicClock::sleepUntil(time_point deadline)
{
    // steady_clock is CLOCK_MONOTONIC: an absolute deadline survives signals and preemption
    // without drifting, as a relative sleep restarted after EINTR would.
    auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch()).count();
    if (since < 0)
        return;
    timespec at{time_t(since / 1'000'000'000), long(since % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

MonotonicClock& MonotonicClock::real()
{
    static MonotonicClock clock;
    return clock;
}
