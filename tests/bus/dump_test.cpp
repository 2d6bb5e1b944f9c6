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
#include <string>
#include <unistd.h>

namespace {

// Start, a bit `before`, an acknowledge clock whose sample gives `cd`, a zero bit, stop.
VcdGrammar dumped(bool before, bool cd)
{
    char name[] = "/tmp/board-dump-XXXXXX";
    ::close(mkstemp(name));
    {
        std::FILE* file = std::fopen(name, "w");
        VcdWriter writer(file, TwoWireDump::Wires, {true, true});
        TwoWireDump dump(writer);
        MSComm comm{MSComm::Setup{[&dump, cd](int, const LineSettings&) {
            auto lines = std::make_unique<ScriptedLines>();
            lines->cdScript = {cd};
            return std::make_unique<DumpedLines>(dump, std::move(lines));
        }}};
        comm.setPortOpen(true);
        I2CSboard::ComponentScope scope(comm);
        I2CSboard::I2CStart();
        before ? I2CSboard::SendOne() : I2CSboard::SendZero();
        I2CSboard::GetAck();
        I2CSboard::SendZero();
        I2CSboard::I2CStop();
        writer.close();
        std::fclose(file);
    }
    const VcdGrammar read = VcdGrammar::read(name);
    std::remove(name);
    EXPECT_EQ(read.fault, "");
    return read;
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

} // namespace
