// The status lag over several changes and the settle it calls for: the longest lag, plus a
// margin of half of it and at least one USB frame, rounded up to 100 µs.
#include "StatusLag.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(StatusLag, SettleIsTheMostPlusItsMarginRoundedUp)
{
    const struct {
        std::vector<std::chrono::nanoseconds> lags;
        std::chrono::microseconds settle;
    } cases[] = {
        {{0ns, 0ns}, 0us},                // a live adapter: no wait at all
        {{400us, 100us, 250us}, 1400us},  // a frame is more than half of 400 µs
        {{1234us}, 2300us},               // 2234 µs, rounded up
        {{5ms, 1ms, 3ms}, 7500us},        // half of 5 ms is more than a frame
        {{1ns}, 1100us},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusLag(c.lags).settle(), c.settle) << c.lags.front().count() << " ns first";
}

TEST(StatusLag, LeastMedianAndMostOfTheChanges)
{
    const StatusLag lag({3ms, 1ms, 2ms, 5ms, 4ms});
    EXPECT_EQ(lag.count(), 5);
    EXPECT_EQ(lag.least(), 1ms);
    EXPECT_EQ(lag.median(), 3ms);
    EXPECT_EQ(lag.most(), 5ms);
    EXPECT_THROW(StatusLag({}), std::invalid_argument);
}

} // namespace
