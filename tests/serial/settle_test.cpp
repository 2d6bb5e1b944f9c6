// The settle before a status read, on a simulated clock whose line changes take as long as a
// USB transfer: the wait counts from when the change has returned, not from when it was asked.
#include "CachedStatusAdapter.h"
#include "ScriptedLines.h"
#include "SettledLines.h"
#include "SimulatedClock.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(Settle, CountsFromTheReturnOfEachLineChange)
{
    SimulatedClock clock;
    SettledLines lines(std::make_unique<CachedStatusAdapter>(std::make_unique<ScriptedLines>(), clock,
                                                             CachedStatusAdapter::Timing{0us, 1ms, 0us}),
                       3ms, clock);
    lines.cd();  // the opening's settle
    const struct {
        const char* line;
        void (SerialLines::*put)(bool);
        bool changed;  // every output's level after opening, inverted
    } changes[] = {{"DTR", &SerialLines::setDtr, false}, {"RTS", &SerialLines::setRts, false},
                   {"break", &SerialLines::setBreak, true}};
    for (const auto& c : changes) {
        const auto asked = clock.now();
        (lines.*c.put)(c.changed);
        EXPECT_EQ(clock.now() - asked, 1ms) << c.line;  // the transfer
        lines.dsr();
        EXPECT_EQ(clock.now() - asked, 1ms + 3ms) << c.line;
    }
}

} // namespace
