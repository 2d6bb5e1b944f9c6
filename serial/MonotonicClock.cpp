#include "MonotonicClock.h"

#include <cerrno>
#include <ctime>

// steady_clock is CLOCK_MONOTONIC, so its readings are deadlines that clock_nanosleep takes.
std::chrono::nanoseconds MonotonicClock::now() { return std::chrono::steady_clock::now().time_since_epoch(); }

void MonotonicClock::sleepUntil(std::chrono::nanoseconds deadline)
{
    // An absolute deadline survives signals and preemption without drifting, as a relative
    // sleep restarted after EINTR would not.
    const long long since = deadline.count();
    if (since < 0)
        return;
    timespec at{time_t(since / 1'000'000'000), long(since % 1'000'000'000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

MonotonicClock& MonotonicClock::system()
{
    static MonotonicClock clock;
    return clock;
}
