// The runner with the board window: each program started on the virtual board gets the board's
// window beside its own, none without a virtual port, --bus-log writes the monitor's lines, and
// --vcd dumps the bus lines so that sigrok's decoder reads what the monitor reads.
// What a desktop sees of each program: its icon, its desktop entry, its usage line. A device
// lost under a running program leaves its window waiting. Each case runs the whole runner (its
// own application object) in this process.
#include "AdcPanelWindow.h"
#include "BoardPanel.h"
#include "BoardWindow.h"
#include "BusHandlers.h"
#include "IoPanelWindow.h"
#include "IsolatedConfig.h"
#include "LineProbeWindow.h"
#include "MasterTransactions.h"
#include "ModalBoxCloser.h"
#include "RunProgram.h"
#include "Programs.h"
#include "ScriptedLines.h"
#include "SerialOutWindow.h"
#include "ShiftReplay.h"
#include "ShiftOutWindow.h"
#include "SigrokI2c.h"
#include "ThermConfWindow.h"
#include "VcdGrammar.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>

namespace {

using RunProgram::runWith;
using RunProgram::Then;

// No case here reads or writes anyone's real port assignments.
const IsolatedConfig noOnesAssignments;

std::vector<BoardWindow*> shownBoardWindows()
{
    std::vector<BoardWindow*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* board = dynamic_cast<BoardWindow*>(w); board && board->isVisible())
            out.push_back(board);
    return out;
}

std::vector<std::string> fileLines(const QString& path)
{
    std::ifstream in(path.toStdString());
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

template <class Window>
void expectBoardWindowBeside(const char* name, int panels)
{
    SCOPED_TRACE(name);
    int shown = -1, panelCount = -1;
    bool apart = false;
    int status = runWith<Window>(program(name), {"--com1=virtual"}, [&](Window& w) {
        auto boards = shownBoardWindows();
        shown = int(boards.size());
        if (boards.size() == 1) {
            panelCount = int(boards[0]->panels().size());
            apart = !boards[0]->frameGeometry().intersects(w.frameGeometry());
            EXPECT_EQ(boards[0]->windowTitle(), "Virtual board");
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(panelCount, panels);
    EXPECT_TRUE(apart) << "the board window covers the program's";
}

TEST(BoardWindowAtStartUp, EveryProgramOnTheVirtualBoardShowsItBeside)
{
    expectBoardWindowBeside<ThermReadWindow>("thermread", 1);
    expectBoardWindowBeside<ThermConfWindow>("thermconf", 1);
    expectBoardWindowBeside<AdcPanelWindow>("adcpanel", 1);
    expectBoardWindowBeside<IoPanelWindow>("iopanel", 2);
    expectBoardWindowBeside<ShiftOutWindow>("shiftout", 1);
    expectBoardWindowBeside<SerialOutWindow>("serialout", 1);
    expectBoardWindowBeside<LineProbeWindow>("lineprobe", 1);
}

TEST(BoardWindowAtStartUp, NoneWithoutAVirtualPort)
{
    // iopanel opens no port until one is chosen, so its default devices are never touched.
    int shown = -1;
    int status = runWith<IoPanelWindow>(program("iopanel"), {},
                                        [&](IoPanelWindow&) { shown = int(shownBoardWindows().size()); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown, 0);
}

TEST(BoardWindowAtStartUp, ClosingTheProgramsWindowEndsTheProgram)
{
    bool boardShown = false;
    int status = runWith<ThermReadWindow>(program("thermread"), {"--com1=virtual"},
                                          [&boardShown](ThermReadWindow& w) {
                                              boardShown = shownBoardWindows().size() == 1;
                                              w.close();
                                          },
                                          Then::Wait);
    EXPECT_TRUE(boardShown);
    EXPECT_EQ(status, 0) << "the board window kept the program running";
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

TEST(ProgramOnTheDesktop, EveryWindowShowsItsProgramsIconAndTheEntryIsNamed)
{
    std::vector<QImage> images;
    for (const Program& p : programs()) {
        SCOPED_TRACE(p.name.toStdString());
        QString desktopFileName;
        int status = runWith<FormWindow>(p, {"--com1=virtual"}, [&](FormWindow& w) {
            desktopFileName = QGuiApplication::desktopFileName();
            QIcon icon = w.windowIcon();
            EXPECT_EQ(icon.cacheKey(), QApplication::windowIcon().cacheKey()) << "the window draws an icon of its own";
            ASSERT_FALSE(icon.isNull());
            for (int side : {16, 24, 32, 48, 64, 128})
                EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
            images.push_back(icon.pixmap(32).toImage());
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(desktopFileName.toStdString(), p.desktopId.toStdString());
        EXPECT_TRUE(p.desktopId.endsWith(u'.' + p.name)) << desktopFileName.toStdString();
    }
    ASSERT_EQ(images.size(), programs().size());
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << programs()[i].name.toStdString() << " and " << programs()[j].name.toStdString();
}

TEST(ProgramOnTheDesktop, UsageNamesTheProgramNotItsPath)
{
    for (const Program& p : programs()) {
        const std::string usage = "Usage: " + p.name.toStdString() + " [options]\n";
        testing::internal::CaptureStdout();
        EXPECT_EQ(runWith<FormWindow>(p, {"--help"}, [](FormWindow&) {}), 0);
        std::string help = testing::internal::GetCapturedStdout();
        EXPECT_EQ(help.substr(0, usage.size()), usage);
        EXPECT_NE(help.find("--com1"), std::string::npos) << help;

        testing::internal::CaptureStderr();
        EXPECT_EQ(runWith<FormWindow>(p, {"--no-such-option"}, [](FormWindow&) {}), 2);
        std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find("\n\n" + usage), std::string::npos) << error;
    }
}

// The program with its ports replaced: the first port opened fails at its first access, as an
// adapter pulled out does; any later one works.
Program onFailingDevice(Program p)
{
    auto create = p.createWindow;
    p.createWindow = [create](MSComm::Setup setup) {
        setup.opener = [opened = 0](int, const LineSettings&) mutable -> std::unique_ptr<SerialLines> {
            auto port = std::make_unique<ScriptedLines>();
            port->callsUntilFailure = opened++ == 0 ? 0 : -1;
            return port;
        };
        return create(std::move(setup));
    };
    return p;
}

// Every program without a port choice, on a device that never comes back: no box, its window
// stays up with its controls disabled and the loss in its caption, and closing it ends the
// program with status 1; whatever first reaches the port (a click on the two sensor programs,
// a tick, the start-up word) finds it failing.
TEST(LostDevice, EveryProgramWithoutAPortChoiceWaitsAndEndsWithStatus1WhenClosed)
{
    QTemporaryDir dir;
    const QString gone = dir.filePath("pulled-adapter");
    for (const Program& p : programs()) {
        if (p.choosesPort)
            continue;
        SCOPED_TRACE(p.name.toStdString());
        ModalBoxCloser closer;
        QString waitingCaption;
        bool shown = false, anyEnabled = true;
        int status = runWith<FormWindow>(onFailingDevice(p), {"--com1=" + gone.toStdString()}, [&](FormWindow& w) {
            if (auto* sensor = dynamic_cast<ThermReadWindow*>(&w))
                sensor->cmdRdTemp->click();
            EXPECT_TRUE(QTest::qWaitFor([&] { return w.suspended(); }, 3000));
            QTest::qWait(300);  // for a box, which must not come
            waitingCaption = w.windowTitle();
            shown = w.isVisible();
            const QList<QWidget*> children = w.findChildren<QWidget*>();
            anyEnabled = std::any_of(children.begin(), children.end(), [](QWidget* c) { return c->isEnabled(); });
            w.close();
        }, Then::Wait);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(closer.count(), 0);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(anyEnabled);
        // The output programs lose it to their start-up word, before the window is shown.
        EXPECT_TRUE(waitingCaption.endsWith(" — COM1 lost, waiting for " + gone)) << waitingCaption.toStdString();
        EXPECT_EQ(waitingCaption.count(u'—'), 1) << waitingCaption.toStdString();
    }
}

} // namespace
