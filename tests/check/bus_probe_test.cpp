// The bus probe on lines whose CD follows SDA (RTS) after a lag, on a simulated clock: how late
// a change shows, whether CD follows at all, and the recovery of a chip that holds SDA low, as
// the probe finds it and as the check reports it.
#include "BoardCheck.h"
#include "BusProbe.h"
#include "Experiments.h"
#include "SimulatedClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::chrono_literals;

namespace {

// A port whose CD shows SDA as it was `lag` ago (asserted while SDA is low), or is held by a
// chip that never lets SDA go, or reaches no board; it writes down every put ("D0 R1 …").
class WireLines final : public SerialLines {
public:
    enum class Far { Follows, ChipHoldsSda, Nothing };
    WireLines(SimulatedClock& clock, Far far, std::chrono::nanoseconds lag = {}) : clock_(clock), far_(far), lag_(lag) {}

    void setDtr(bool v) override { put('D', v); }
    void setRts(bool v) override
    {
        put('R', v);
        sda_.push_back({clock_.now(), v});
    }
    void setBreak(bool) override {}
    bool cd() override
    {
        if (far_ != Far::Follows)
            return far_ == Far::ChipHoldsSda;
        bool high = true;
        for (auto [at, level] : sda_)
            if (at <= clock_.now() - lag_)
                high = level;
        return !high;
    }
    bool cts() override { return false; }
    bool dsr() override { return false; }
    void write(std::uint8_t) override {}

    std::string puts;

private:
    void put(char line, bool v)
    {
        puts += std::string(puts.empty() ? "" : " ") + line + (v ? '1' : '0');
    }
    SimulatedClock& clock_;
    Far far_;
    std::chrono::nanoseconds lag_;
    std::vector<std::pair<std::chrono::nanoseconds, bool>> sda_;
};

std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int n = 0; n < times; ++n)
        out += text;
    return out;
}

// A chip that never lets SDA go gets exactly nine clocks, then a stop: SDA rises while SCL is
// high, as a decoder on the wire sees a stop.
TEST(BusProbe, DataLineFollowsFailsToFollowOrIsHeldLow)
{
    using Far = WireLines::Far;
    const struct {
        Far far;
        bool stuckLow;
        int clocks;
        bool followsLow, followsHigh;
        std::string puts;
    } cases[] = {
        {Far::Follows, false, 0, true, true, "R1 R0 R1"},
        {Far::Nothing, false, 0, false, true, "R1 R0 R1"},
        {Far::ChipHoldsSda, true, 9, false, false, "R1 " + repeated("D0 D1 ", 9) + "D0 R0 D1 R1 R1"},
    };
    for (const auto& c : cases) {
        SimulatedClock clock;
        WireLines lines(clock, c.far);
        BusProbe probe(lines, clock, 3ms);
        const BusProbe::DataLine d = probe.checkDataLine();
        EXPECT_EQ(d.stuckLow, c.stuckLow) << c.puts;
        EXPECT_EQ(d.recoveryClocks, c.clocks) << c.puts;
        EXPECT_FALSE(d.freed) << c.puts;
        EXPECT_EQ(d.followsLow, c.followsLow) << c.puts;
        EXPECT_EQ(d.followsHigh, c.followsHigh) << c.puts;
        EXPECT_EQ(d.follows(), c.followsLow && c.followsHigh) << c.puts;
        EXPECT_EQ(lines.puts, c.puts);
    }
}

TEST(BusProbe, LagsAreTheTimeFromThePutToTheFirstReadThatShowsIt)
{
    SimulatedClock clock;
    WireLines live(clock, WireLines::Far::Follows);
    EXPECT_EQ(BusProbe(live, clock, 0us).lags(4), (std::vector<std::chrono::nanoseconds>(4, 0ns)));

    // Read every PollStep: the lag as seen is the first step at or past it.
    WireLines cached(clock, WireLines::Far::Follows, 2ms + 10us);
    EXPECT_EQ(BusProbe(cached, clock, 0us).lags(3), (std::vector<std::chrono::nanoseconds>(3, 2050us)));
    EXPECT_EQ(cached.puts, "R0 R1 R0 R1") << "SDA released at the end";

    // CD that never follows: the lags stop at the first change that times out.
    WireLines nothing(clock, WireLines::Far::Nothing);
    EXPECT_TRUE(BusProbe(nothing, clock, 0us).lags(4).empty());
}

// The check on such lines: a recovery that did not free the bus ends it, without a lag to
// measure or a bus to scan; lines that follow with no chip behind them get the lag compared
// with the virtual board's default and a scan that nothing answers.
TEST(CheckReport, WhatTheCheckTellsOfLinesWithoutAWorkingChip)
{
    const struct {
        WireLines::Far far;
        std::vector<const char*> present;
        const char* absent;
    } cases[] = {
        {WireLines::Far::ChipHoldsSda,
         {"Data line: SDA read low while released (a chip stopped mid-byte?); 9 clocks and a stop did not free it.",
          "Verdict: not ready: SDA stays low"},
         "Status lag"},
        {WireLines::Far::Follows,
         {"Settle this adapter needs: 1200 µs (the most, plus half of it and at least 1000 µs), longer than the default "
          "for the virtual board (0 µs).\n",
          "Verdict: not ready: the temperature sensor (48) did not answer; nothing answered; check the board's power and "
          "that the chips sit in their sockets.\n"},
         "SDA read low"},
    };
    for (const auto& c : cases) {
        SimulatedClock clock;
        CheckedPort port;
        port.openUnsettled = [&clock, far = c.far] { return std::make_unique<WireLines>(clock, far, 120us); };
        port.clock = &clock;
        port.programName = QStringLiteral("thermread");
        port.buildBoard = experiments::sensorBoard;
        BoardCheck check(port);
        while (check.step()) {
        }
        const QString report = check.report();
        for (const char* line : c.present)
            EXPECT_TRUE(report.contains(QString::fromUtf8(line))) << line << "\n" << report.toStdString();
        EXPECT_FALSE(report.contains(QString::fromUtf8(c.absent))) << report.toStdString();
        EXPECT_FALSE(check.passed());
    }
}

} // namespace
