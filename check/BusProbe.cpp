#include "BusProbe.h"

using namespace std::chrono;

std::optional<nanoseconds> BusProbe::follow(bool low)
{
    lines_.setRts(!low);
    const nanoseconds changed = clock_.now();
    const nanoseconds end = changed + Timeout;
    for (bool first = true;; first = false) {
        const nanoseconds asked = clock_.now();
        if (lines_.cd() == low)  // CD asserted means SDA is low
            return first ? nanoseconds::zero() : asked - changed;
        if (asked >= end)
            return std::nullopt;
        // A caching adapter answers from memory at once: no need to ask it a million times.
        clock_.sleepUntil(asked + PollStep);
    }
}

bool BusProbe::sdaHighSettled()
{
    clock_.sleepUntil(clock_.now() + settle_);
    return !lines_.cd();
}

BusProbe::DataLine BusProbe::checkDataLine()
{
    DataLine result;
    result.stuckLow = !follow(false).has_value();
    if (result.stuckLow) {
        // As a bus master recovers a chip stopped mid-byte: clock until the chip lets SDA go
        // (it shifts out its byte and sees no acknowledge), then a stop.
        bool high = false;
        while (!high && result.recoveryClocks < RecoveryClocks) {
            lines_.setDtr(false);
            lines_.setDtr(true);
            ++result.recoveryClocks;
            high = sdaHighSettled();
        }
        lines_.setDtr(false);
        lines_.setRts(false);
        lines_.setDtr(true);
        lines_.setRts(true);
        result.freed = follow(false).has_value();
        if (!result.freed)
            return result;
    }
    result.followsLow = follow(true).has_value();
    result.followsHigh = follow(false).has_value();
    return result;
}

std::vector<nanoseconds> BusProbe::lags(int times)
{
    std::vector<nanoseconds> out;
    for (int n = 0; n < times; ++n) {
        auto lag = follow(n % 2 == 0);
        if (!lag)
            break;
        out.push_back(*lag);
    }
    lines_.setRts(true);
    return out;
}
