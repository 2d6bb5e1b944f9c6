#include "MonotonicClock.h"

namespace {

class SteadyClock : public MonotonicClock {
public:
    std::chrono::nanoseconds now() override
    {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
};

} // namespace

MonotonicClock& MonotonicClock::system()
{
    static SteadyClock clock;
    return clock;
}
