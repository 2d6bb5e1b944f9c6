// The two-wire bus dumped from a device: the chips' part of SDA is known only from the samples
// of CD, so a low sample is dated to the SCL-low part of its bit cell and released at the next
// falling edge of SCL, while the master's own changes keep their order.
#include "DumpedLines.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "ScriptedLines.h"
#include "TwoWireDump.h"
#include "VcdGrammar.h"
#include "VcdWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <unistd.h>

namespace {

// The lines the test holds, handed to a component that owns its port.
class ForwardedLines final : public SerialLines {
public:
    explicit ForwardedLines(SerialLines& to) : to_(to) {}
    void setDtr(bool v) override { to_.setDtr(v); }
    void setRts(bool v) override { to_.setRts(v); }
    void setBreak(bool v) override { to_.setBreak(v); }
    bool cd() override { return to_.cd(); }
    bool cts() override { return to_.cts(); }
    bool dsr() override { return to_.dsr(); }
    void write(std::uint8_t b) override { to_.write(b); }

private:
    SerialLines& to_;
};

// What `drive` does to the lines of a port whose CD answers `cd` in turn, as dumped.
VcdGrammar dumped(std::vector<bool> cd, const std::function<void(SerialLines&)>& drive)
{
    char name[] = "/tmp/board-dump-XXXXXX";
    ::close(mkstemp(name));
    {
        std::FILE* file = std::fopen(name, "w");
        VcdWriter writer(file, TwoWireDump::Wires, {true, true});
        {
            TwoWireDump dump(writer);
            auto scripted = std::make_unique<ScriptedLines>();
            scripted->cdScript = std::move(cd);
            DumpedLines lines(dump, std::move(scripted));
            drive(lines);
        }
        writer.close();
        std::fclose(file);
    }
    const VcdGrammar read = VcdGrammar::read(name);
    std::remove(name);
    EXPECT_EQ(read.fault, "");
    return read;
}

// Start, a bit `before`, an acknowledge clock whose sample gives `cd`, a zero bit, stop.
VcdGrammar dumped(bool before, bool cd)
{
    return dumped({cd}, [before](SerialLines& lines) {
        MSComm comm{MSComm::Setup{[&lines](int, const LineSettings&) { return std::make_unique<ForwardedLines>(lines); }}};
        comm.setPortOpen(true);
        I2CSboard::ComponentScope scope(comm);
        I2CSboard::I2CStart();
        before ? I2CSboard::SendOne() : I2CSboard::SendZero();
        I2CSboard::GetAck();
        I2CSboard::SendZero();
        I2CSboard::I2CStop();
    });
}

// The changes in order: "SDA0 SCL0 …".
std::string changes(const VcdGrammar& dump)
{
    std::string out;
    for (const VcdGrammar::Change& c : dump.changes)
        out += (out.empty() ? "" : " ") + dump.wires[c.wire] + (c.level ? "1" : "0");
    return out;
}

TEST(TwoWireDump, AChipsLowSampleHoldsSdaLowThroughItsCellAndIsReleasedAtTheNextFall)
{
    // The master releases SDA for the sample, but the chip holds it low from the cell's
    // falling edge; at the next falling edge the chip lets go (SDA high, as the master left
    // it) until the master pulls it low for its zero.
    const VcdGrammar acked = dumped(false, true);
    EXPECT_EQ(changes(acked), "SDA0 SCL0 SCL1 SCL0 SCL1 SCL0 SDA1 SDA0 SCL1 SCL0 SCL1 SDA1");
    EXPECT_EQ(acked.changes[6].time, acked.changes[5].time + 1) << "released at the falling edge";
    // No chip: the master's release shows at once and lasts the acknowledge cell.
    EXPECT_EQ(changes(dumped(false, false)), "SDA0 SCL0 SCL1 SCL0 SDA1 SCL1 SCL0 SDA0 SCL1 SCL0 SCL1 SDA1");
    // After a one bit the chip's low begins at the falling edge that begins the acknowledge
    // cell, before the sample that found it.
    const VcdGrammar afterOne = dumped(true, true);
    EXPECT_EQ(changes(afterOne), "SDA0 SCL0 SDA1 SCL1 SCL0 SDA0 SCL1 SCL0 SDA1 SDA0 SCL1 SCL0 SCL1 SDA1");
    EXPECT_EQ(afterOne.changes[5].time, afterOne.changes[4].time + 1);
}

// Lines driven one access at a time: D and R put DTR (SCL) and RTS (the master's SDA), C reads CD.
TEST(TwoWireDump, WhatAChipHoldsHidesTheMastersSdaAndNothingElse)
{
    const struct {
        const char* steps;
        std::vector<bool> cd;
        const char* wire;
    } cases[] = {
        // A stop after a sample taken while SCL was high, which says nothing of the chips.
        {"D0 R0 D1 C R1", {true}, "SCL0 SDA0 SCL1 SDA1"},
        // A chip holds SDA low from the cell's start: the master's own changes do not show,
        // within the cell nor while SCL is high.
        {"D0 C R0 R1 D1", {true}, "SCL0 SDA0 SCL1"},
        {"D0 C D1 R0 R1", {true}, "SCL0 SDA0 SCL1"},
        // No chip: the same changes of the master show.
        {"D0 C R0 R1 D1", {false}, "SCL0 SDA0 SDA1 SCL1"},
    };
    for (const auto& c : cases) {
        const VcdGrammar dump = dumped(c.cd, [&c](SerialLines& lines) {
            for (const char* step = c.steps; *step; ++step) {
                if (*step == 'C')
                    lines.cd();
                else if (*step == 'D' || *step == 'R') {
                    auto put = *step == 'D' ? &SerialLines::setDtr : &SerialLines::setRts;
                    (lines.*put)(step[1] == '1');
                }
            }
        });
        EXPECT_EQ(changes(dump), c.wire) << c.steps;
    }
}

} // namespace
