// The bus dumped from a device, where only the program's own lines and its samples of CD are
// known: a pty whose modem lines reach the virtual board stands for the real one. sigrok's
// decoder reads the dump, SDA rebuilt from the samples, as the board's monitor reads the wire;
// shiftout's dump latches the monitor's words.
#include "BusHandlers.h"
#include "ShiftOutWindow.h"
#include "DumpedLines.h"
#include "ProgramWithBoard.h"
#include "PtyOnBoard.h"
#include "ShiftLinesDump.h"
#include "ShiftReplay.h"
#include "SigrokI2c.h"
#include "TwoWireDump.h"
#include "VcdGrammar.h"
#include "VcdWriter.h"

#include <QTemporaryDir>

namespace {

template <class Window, class Dump = TwoWireDump>
class DumpedDevice : public ProgramWithBoard<Window> {
protected:
    DumpedDevice()
    {
        writer.writeHeader(std::is_same_v<Dump, TwoWireDump> ? TwoWireDump::Rebuilt : "");
        this->open = [this](int, const LineSettings& s) { return std::make_unique<DumpedLines>(dump, pty.open(s)); };
    }
    ~DumpedDevice() override
    {
        this->window.reset();  // its port, on the pty's calls and the dump, goes first
        writer.close();
        std::fclose(file);
    }

    VcdGrammar closedDump()
    {
        writer.close();
        const VcdGrammar read = VcdGrammar::read(path);
        EXPECT_EQ(read.fault, "");
        EXPECT_EQ(read.wires, Dump::Wires);
        return read;
    }

    void expectSigrokReadsTheMonitor()
    {
        closedDump();
        const std::vector<std::string> monitored = this->monitored();
        EXPECT_GE(monitored.size(), 2u);
        EXPECT_EQ(sigrokTransactions(path), monitored);
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("bus.vcd").toStdString();
    std::FILE* file = std::fopen(path.c_str(), "w");
    VcdWriter writer{file, Dump::Wires, std::vector<bool>(Dump::Wires.size(), true), VcdWriter::Clock::now()};
    Dump dump{writer};
    PtyOnBoard onBoard{this->board};
    PtySerialDevice& pty = onBoard.pty;
};

using ThermConfOnDevice = DumpedDevice<ThermConfWindow>;
using AdcPanelOnDevice = DumpedDevice<AdcPanelWindow>;
using IoPanelOnDevice = DumpedDevice<IoPanelWindow>;
using ShiftOutOnDevice = DumpedDevice<ShiftOutWindow, ShiftLinesDump>;

TEST_F(ThermConfOnDevice, SigrokReadsTheRebuiltBusAsTheBoardsMonitor)
{
    busHandlers::run(*window);
    expectSigrokReadsTheMonitor();
}

TEST_F(AdcPanelOnDevice, SigrokReadsTheRebuiltBusAsTheBoardsMonitor)
{
    busHandlers::run(*window);
    expectSigrokReadsTheMonitor();
}

TEST_F(IoPanelOnDevice, SigrokReadsTheRebuiltBusAsTheBoardsMonitor)
{
    busHandlers::run(*window);
    expectSigrokReadsTheMonitor();
}

TEST_F(ShiftOutOnDevice, DumpOfTheThreeLinesLatchesTheMonitorsWords)
{
    click(window->cmdD(15));
    click(window->cmdD(0));
    const std::vector<std::string> monitored = this->monitored();
    EXPECT_EQ(monitored, (std::vector<std::string>{"latched 0000", "latched 8000", "latched 8001"}));
    EXPECT_EQ(latchedWords(closedDump()), monitored);
}

} // namespace
