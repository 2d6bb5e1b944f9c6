// The bus written to files beside a run on the virtual board: --bus-log writes the monitor's
// lines, --vcd dumps the bus lines so that sigrok's decoder reads what the monitor reads, and
// both are refused where they cannot be had. The whole runner in this process.
#include "AdcPanelWindow.h"
#include "BusHandlers.h"
#include "IoPanelWindow.h"
#include "MasterTransactions.h"
#include "Programs.h"
#include "RunProgram.h"
#include "ShiftOutWindow.h"
#include "ShiftReplay.h"
#include "SigrokI2c.h"
#include "ThermConfWindow.h"
#include "ThermReadWindow.h"
#include "VcdGrammar.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace {

using RunProgram::runWith;
using RunProgram::Then;

std::vector<std::string> fileLines(const QString& path)
{
    std::ifstream in(path.toStdString());
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

TEST(BusLogOption, ReadTempIsOneTimedLine)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("bus.log");
    int status = runWith<ThermReadWindow>(program("thermread"),
                                          {"--com1=virtual", "--bus-log=" + log.toStdString()},
                                          [](ThermReadWindow& w) { w.cmdRdTemp->click(); });
    EXPECT_EQ(status, 0);
    auto lines = fileLines(log);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"([0-9]+\.[0-9]{3} S 90 W A AA A Sr 91 R A 19 A 80 N P)")))
        << lines[0];
}

TEST(BusLogOption, MonitorDecodesEveryTransactionTheProgramMakes)
{
    QTemporaryDir dir;
    const QString log = dir.filePath("bus.log"), trace = dir.filePath("trace");
    int status = runWith<IoPanelWindow>(program("iopanel"),
                                        {"--com2=virtual", "--bus-log=" + log.toStdString(), "--trace=" + trace.toStdString()},
                                        [](IoPanelWindow& w) {
                                            w.Timer1->stop();
                                            w.Timer2->stop();
                                            w.Option5(2)->click();  // COM2: the board
                                            w.Timer1_Timer();
                                            w.Timer2_Timer();
                                            w.Option1(1)->click();
                                            w.Command1(5)->click();
                                        });
    EXPECT_EQ(status, 0);
    std::vector<std::string> accesses;
    for (const std::string& line : fileLines(trace))
        accesses.push_back(line.substr(line.find(' ') + 1));  // without the time
    std::vector<std::string> sent = masterTransactions(accesses), seen;
    for (const std::string& line : fileLines(log))
        seen.push_back(line.substr(line.find(' ') + 1));
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen, (std::vector<std::string>{"S 40 W A FF A P", "S 41 R A FF N P", "S 42 W A FF A P", "S 43 R A FF N P",
                                              "S 41 R A FF N P", "S 40 W A DF A P"}));
    ASSERT_EQ(sent.size(), seen.size());
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(sent[i].substr(0, 6), seen[i].substr(0, 6)) << "transaction " << i;
}

TEST(BusLogOption, NeedsAVirtualPortAndAWritableFile)
{
    bool ran = false;
    auto note = [&ran](IoPanelWindow&) { ran = true; };
    EXPECT_EQ(runWith<IoPanelWindow>(program("iopanel"), {"--bus-log=/tmp/x.log"}, note), 2);
    EXPECT_EQ(runWith<IoPanelWindow>(program("iopanel"),
                                     {"--com1=virtual", "--bus-log=/nonexistent-dir/bus.log"}, note),
              1);
    EXPECT_FALSE(ran);
}

// The monitor's lines without their times, and the dump, of a run of `handlers` on the board.
struct DumpedRun {
    std::vector<std::string> monitored;
    VcdGrammar dump;
    std::string path;
    QTemporaryDir dir;
};

template <class Window>
void dumpRun(DumpedRun& run, const char* name, std::function<void(Window&)> handlers)
{
    const QString log = run.dir.filePath("bus.log"), vcd = run.dir.filePath("bus.vcd");
    run.path = vcd.toStdString();
    EXPECT_EQ(runWith<Window>(program(name), {"--com1=virtual", "--bus-log=" + log.toStdString(), "--vcd=" + run.path},
                              handlers),
              0);
    for (const std::string& line : fileLines(log))
        run.monitored.push_back(line.substr(line.find(' ') + 1));
    run.dump = VcdGrammar::read(run.path);
    EXPECT_EQ(run.dump.fault, "");
}

template <class Window>
void expectSigrokReadsTheMonitor(const char* name, std::function<void(Window&)> handlers)
{
    SCOPED_TRACE(name);
    DumpedRun run;
    dumpRun<Window>(run, name, handlers);
    EXPECT_EQ(run.dump.wires, (std::vector<std::string>{"SCL", "SDA"}));
    EXPECT_TRUE(run.dump.comments.empty()) << "SDA is the board's, not rebuilt";
    EXPECT_GE(run.monitored.size(), 2u);
    EXPECT_EQ(sigrokTransactions(run.path), run.monitored);
}

TEST(VcdOption, SigrokDecodesTheVirtualBoardsBusAsItsMonitorDoes)
{
    expectSigrokReadsTheMonitor<ThermConfWindow>("thermconf", [](ThermConfWindow& w) { busHandlers::run(w); });
    expectSigrokReadsTheMonitor<AdcPanelWindow>("adcpanel", [](AdcPanelWindow& w) { busHandlers::run(w); });
    expectSigrokReadsTheMonitor<IoPanelWindow>("iopanel", [](IoPanelWindow& w) { busHandlers::run(w); });
}

TEST(VcdOption, ShiftoutsThreeLinesLatchTheMonitorsWords)
{
    DumpedRun run;
    dumpRun<ShiftOutWindow>(run, "shiftout", [](ShiftOutWindow& w) {
        w.cmdD(15)->click();
        w.cmdD(0)->click();
        w.cmdD(15)->click();
    });
    ASSERT_EQ(run.dump.wires, (std::vector<std::string>{"DTR", "TXD", "RTS"}));
    const std::vector<std::string> words = latchedWords(run.dump);
    EXPECT_EQ(words, (std::vector<std::string>{"latched 0000", "latched 8000", "latched 8001", "latched 0001"}));
    EXPECT_EQ(words, run.monitored);
}

TEST(VcdOption, RefusedForAProgramWithoutBusLinesOrAFileThatCannotBeWritten)
{
    struct Case {
        const char* program;
        const char* vcd;
        int status;
    } cases[] = {
        {"serialout", "--vcd=/tmp/x.vcd", 1},
        {"lineprobe", "--vcd=/tmp/x.vcd", 1},
        {"thermread", "--vcd=/nonexistent-dir/bus.vcd", 1},
        {"thermread", "--vcd=", 2},
    };
    for (const Case& c : cases) {
        bool ran = false;
        EXPECT_EQ(runWith<FormWindow>(program(c.program), {"--com1=virtual", c.vcd}, [&ran](FormWindow&) { ran = true; }),
                  c.status)
            << c.program << " " << c.vcd;
        EXPECT_FALSE(ran) << c.program << " " << c.vcd;
    }
}

} // namespace
