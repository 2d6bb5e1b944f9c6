// The bus dumped from a device, where only the program's own lines and its samples of CD are
// known: a pty whose modem lines reach the virtual board stands for the real one. sigrok's
// decoder reads the dump, SDA rebuilt from the samples, as the board's monitor reads the wire.
#include "BusHandlers.h"
#include "DumpedLines.h"
#include "ProgramWithBoard.h"
#include "PtySerialDevice.h"
#include "SigrokI2c.h"
#include "TwoWireDump.h"
#include "VcdGrammar.h"
#include "VcdWriter.h"

#include <QTemporaryDir>

namespace {

template <class Window>
class DumpedDevice : public ProgramWithBoard<Window> {
protected:
    DumpedDevice()
    {
        pty.calls.board = &this->board;
        writer.writeHeader(TwoWireDump::Rebuilt);
        this->open = [this](int, const LineSettings& s) { return std::make_unique<DumpedLines>(dump, pty.open(s)); };
    }
    ~DumpedDevice() override
    {
        this->window.reset();  // its port, on the pty's calls and the dump, goes first
        writer.close();
        std::fclose(file);
    }

    void expectSigrokReadsTheMonitor()
    {
        dump.dtrPut(true);  // as it stands after a stop
        writer.close();
        const VcdGrammar read = VcdGrammar::read(path);
        EXPECT_EQ(read.fault, "");
        EXPECT_EQ(read.wires, (std::vector<std::string>{"SCL", "SDA"}));
        const std::vector<std::string> monitored = this->monitored();
        EXPECT_GE(monitored.size(), 2u);
        EXPECT_EQ(sigrokTransactions(path), monitored);
    }

    QTemporaryDir dir;
    std::string path = dir.filePath("bus.vcd").toStdString();
    std::FILE* file = std::fopen(path.c_str(), "w");
    VcdWriter writer{file, TwoWireDump::Wires, {true, true}, VcdWriter::Clock::now()};
    TwoWireDump dump{writer};
    PtySerialDevice pty;
};

using ThermConfOnDevice = DumpedDevice<ThermConfWindow>;
using AdcPanelOnDevice = DumpedDevice<AdcPanelWindow>;
using IoPanelOnDevice = DumpedDevice<IoPanelWindow>;

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

} // namespace
