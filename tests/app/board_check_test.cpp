// The check of the board and the adapter behind a COM port: on each two-wire program's virtual
// board the chips answer at their addresses with no lag; unplugged, or on a pty with nothing on
// its lines, CD does not follow SDA and the check fails; a chip left holding SDA low mid-byte
// is freed. Through the runner: the report on standard output, the exit status, and the
// settle it remembers taking its place between --settle and the driver's default.
#include "Arguments.h"
#include "Board.h"
#include "BoardCheck.h"
#include "CheckRunner.h"
#include "CheckWindow.h"
#include "I2CSboard.h"
#include "IsolatedConfig.h"
#include "Languages.h"
#include "MasterTransactions.h"
#include "PortEnvironment.h"
#include "ProgramRunner.h"
#include "RunProgram.h"
#include "Programs.h"
#include "PtyOnBoard.h"
#include "SettledLines.h"
#include "SigrokI2c.h"
#include "TemperatureSensor.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace std::chrono_literals;

namespace {

struct Checked {
    bool passed = false;
    std::vector<std::uint8_t> answered;
    std::optional<std::chrono::microseconds> settle;
    std::string report;
    int steps = 0, announced = -1;  // taken, and announced for the progress bar
};

// The check of `name`'s COM1 on its virtual board, after `before` has had the board.
Checked checkOnBoard(const char* name, const std::function<void(Board&)>& before = {})
{
    const Program& p = program(name);
    ProgramOptions options;
    options.com[0] = PortAssignments::Virtual;
    PortEnvironment environment(options, PortAssignments::load(options.com, {}), p.buildBoard, {}, {}, {});
    if (before)
        before(*environment.board());
    BoardCheck check(CheckRunner::checkedPort(p, environment, 1));
    int steps = 0;
    while (check.step())
        ++steps;
    EXPECT_EQ(steps + 1, check.stepsDone());
    return {check.passed(), check.answered(), check.measuredSettle(), check.report().toStdString(), check.stepsDone(),
            check.steps()};
}

TEST(BoardCheck, EachTwoWireProgramsChipsAnswerOnTheVirtualBoardWithNoLagAndNoneUnplugged)
{
    const struct {
        const char* program;
        std::vector<std::uint8_t> answering;
        const char* verdict;
    } cases[] = {
        {"thermread", {0x48}, "Verdict: ready: the temperature sensor at 48 answered."},
        {"thermconf", {0x48}, "Verdict: ready: the temperature sensor at 48 answered."},
        {"adcpanel", {0x48}, "Verdict: ready: the PCF8591 converter at 48 answered."},
        {"iopanel", {0x20, 0x21}, "Verdict: ready: a PCF8574 or PCF8574A expander at 20, 21 answered."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const Checked plugged = checkOnBoard(c.program);
        EXPECT_TRUE(plugged.passed) << plugged.report;
        EXPECT_EQ(plugged.answered, c.answering);
        EXPECT_EQ(plugged.steps, plugged.announced);
        EXPECT_EQ(plugged.settle, 0us);
        EXPECT_NE(plugged.report.find(c.verdict), std::string::npos) << plugged.report;
        EXPECT_NE(plugged.report.find("least 0 µs, median 0 µs, most 0 µs"), std::string::npos) << plugged.report;

        const Checked unplugged = checkOnBoard(c.program, [](Board& b) { b.setUnplugged(true); });
        EXPECT_FALSE(unplugged.passed);
        EXPECT_TRUE(unplugged.answered.empty());
        EXPECT_FALSE(unplugged.settle);
        EXPECT_NE(unplugged.report.find("CD does not follow SDA"), std::string::npos) << unplugged.report;
        EXPECT_NE(unplugged.report.find("check the cable, the board's power and its level converter"), std::string::npos);
    }
}

TEST(BoardCheck, TheGridShowsWhereChipsAnswerAndNamesThem)
{
    // A sensor moved to another address, beside the expander board's two chips.
    const Checked c = checkOnBoard("iopanel", [](Board& b) {
        struct : PartVisitor {
            using PartVisitor::visit;
            void visit(TwoWireBus& bus) override { bus.add<TemperatureSensor>(std::uint8_t(0x3f)); }
        } adder;
        b.accept(adder);
    });
    EXPECT_EQ(c.answered, (std::vector<std::uint8_t>{0x20, 0x21, 0x3f}));
    for (const char* expected : {"     0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f\n",
                                 "00:                         -- -- -- -- -- -- -- --\n",
                                 "20: 20 21 -- -- -- -- -- -- -- -- -- -- -- -- -- --\n",
                                 "30: -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- 3f\n",
                                 "70: -- -- -- -- -- -- -- --\n", "21: a PCF8574 (A2 A1 A0 = 001)\n",
                                 "3f: a PCF8574A (A2 A1 A0 = 111)\n"})
        EXPECT_NE(c.report.find(expected), std::string::npos) << expected << "\n" << c.report;
}

TEST(BoardCheck, AChipHoldingTheDataLowMidByteIsFreedByClockingAndAStop)
{
    const Checked c = checkOnBoard("thermread", [](Board& board) {
        // A Read Temp stopped after the read address: the sensor presents 25.5's first byte,
        // 0x19, whose first bit (0) holds SDA low.
        MSComm comm(MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
        comm.setPortOpen(true);
        I2CSboard::ComponentScope scope(comm);
        I2CSboard::I2CStart();
        for (std::uint8_t byte : {sensor::WriteAddress, sensor::ReadTemperature}) {
            I2CSboard::WriteByte(byte);
            I2CSboard::GetAck();
        }
        I2CSboard::I2CStart();
        I2CSboard::WriteByte(sensor::ReadAddress);
        I2CSboard::GetAck();
        ASSERT_TRUE(board.cd()) << "SDA should be held low";
    });
    EXPECT_TRUE(c.passed) << c.report;
    EXPECT_NE(c.report.find("SDA read low while released"), std::string::npos) << c.report;
    // 0x19 = 00011001: the clocks of bits 6 and 5 leave it low, bit 4 lets it go.
    EXPECT_NE(c.report.find("3 clocks and a stop freed it"), std::string::npos) << c.report;
    EXPECT_EQ(c.answered, std::vector<std::uint8_t>{0x48});
}

TEST(BoardCheck, ProgramsThatReadNothingBackCheckTheDeviceOnly)
{
    for (const char* name : {"shiftout", "serialout", "lineprobe"}) {
        SCOPED_TRACE(name);
        const Checked c = checkOnBoard(name);
        EXPECT_TRUE(c.passed);
        EXPECT_FALSE(c.settle);
        EXPECT_EQ(c.steps, c.announced);
        EXPECT_EQ(c.report.find("Bus ("), std::string::npos) << c.report;
    }
    EXPECT_NE(checkOnBoard("lineprobe").report.find("CTS asserted, CD not asserted, DSR asserted"), std::string::npos);
}

// The runner with --check: what it prints and its status.
struct CheckRun {
    int status;
    std::string out;
};

CheckRun runCheck(const char* name, std::vector<std::string> arguments, const DeviceOpener& devices = {})
{
    Arguments argv(RunProgram::installedPath(name), std::move(arguments));
    // No display: the check needs none.
    const QByteArray display = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    testing::internal::CaptureStdout();
    const int status = runProgram(argv.argc(), argv.argv(), program(name), devices);
    CheckRun run{status, testing::internal::GetCapturedStdout()};
    qputenv("QT_QPA_PLATFORM", display);
    return run;
}

TEST(CheckOption, APtyWithNothingOnItsLinesFailsTheDataLine)
{
    PtySerialDevice pty;
    pty.closeSlave();
    const CheckRun run = runCheck("thermread", {"--check", "--com1=" + pty.device()}, pty.opener());
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("COM1: " + pty.device() + ": driver unknown, status live"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("CD does not follow SDA"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Bus ("), std::string::npos) << run.out;
}

TEST(CheckOption, TheRememberedSettleComesAfterTheOptionAndBeforeTheDriversDefault)
{
    const IsolatedConfig config;
    // The virtual board's zero is not kept: it would stand for a real adapter on the same port.
    IsolatedConfig::write(config.userFile(), "[ports]\nCOM1=/dev/mine\n");
    const CheckRun onBoard = runCheck("adcpanel", {"--check=COM2", "--com2=virtual", "--remember"});
    EXPECT_EQ(onBoard.status, 1) << onBoard.out;
    EXPECT_EQ(onBoard.out.find("--remember"), std::string::npos) << onBoard.out;
    EXPECT_EQ(IsolatedConfig::read(config.userFile()).indexOf("[settle]"), -1);

    // A device (a pty whose lines reach the program's board) is offered its settle, and keeps it.
    PtyOnBoard adapter(program("adcpanel").buildBoard);
    PtySerialDevice& pty = adapter.pty;
    const std::string device = "--com2=" + pty.device();
    const CheckRun first = runCheck("adcpanel", {"--check=COM2", device}, pty.opener());
    EXPECT_EQ(first.status, 0) << first.out;
    EXPECT_NE(first.out.find("settle 0 µs (the driver's default)"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("adcpanel --check=COM2 --remember"), std::string::npos) << first.out;
    const CheckRun kept = runCheck("adcpanel", {"--check=COM2", device, "--remember"}, pty.opener());
    EXPECT_EQ(kept.status, 0) << kept.out;
    const QString file = IsolatedConfig::read(config.userFile());
    EXPECT_NE(file.indexOf("[settle]\nCOM2=0"), -1) << file.toStdString();
    EXPECT_NE(file.indexOf("COM1=/dev/mine"), -1) << file.toStdString();

    IsolatedConfig::write(config.userFile(), "[settle]\nCOM2=4500\n");
    EXPECT_NE(runCheck("adcpanel", {"--check=COM2", "--com2=virtual"}).out.find("settle 4500 µs (remembered)"), std::string::npos);
    EXPECT_NE(runCheck("adcpanel", {"--check=COM2", "--com2=virtual", "--settle=200"}).out.find("settle 200 µs (--settle)"),
              std::string::npos);
    const CheckRun listed = runCheck("adcpanel", {"--list-ports", "--com2=virtual"});
    EXPECT_NE(listed.out.find("COM2 = virtual (option --com2), settle 4500 µs (" + config.userFile().toStdString() + ")"),
              std::string::npos)
        << listed.out;
}

// A device whose status reads lag 2 ms, as a caching adapter's do, whose driver the check does
// not know: the verdict says when the settle that applies is shorter than the one measured.
TEST(CheckOption, TheVerdictSaysWhenTheProgramsWouldReadTooEarly)
{
    const struct {
        const char* settle;
        bool tooEarly;
    } cases[] = {{"--settle=0", true}, {"--settle=100000", false}};
    for (const auto& c : cases) {
        PtyOnBoard onBoard(program("thermread").buildBoard, CachedStatusAdapter::Timing{2ms, 0us, 0us});
        const CheckRun run = runCheck("thermread", {"--check", "--com1=" + onBoard.pty.device(), c.settle}, onBoard.pty.opener());
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_NE(run.out.find("Verdict: ready"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("would read too early") != std::string::npos, c.tooEarly) << c.settle << "\n" << run.out;
    }
}

// As any run, the check writes the trace of the component's accesses (its scan's), and the bus
// lines to the dump and the monitor's log, which sigrok and the monitor read alike.
TEST(CheckOption, WritesTheTraceTheDumpAndTheBusLogOfItsScan)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath("trace"), vcd = dir.filePath("bus.vcd"), log = dir.filePath("bus.log");
    const CheckRun run = runCheck("thermread", {"--check", "--com1=virtual", "--trace=" + trace.toStdString(),
                                                "--vcd=" + vcd.toStdString(), "--bus-log=" + log.toStdString()});
    EXPECT_EQ(run.status, 0) << run.out;
    auto untimed = [](const QString& file) {
        std::vector<std::string> lines;
        for (const QString& line : IsolatedConfig::read(file).split(u'\n', Qt::SkipEmptyParts))
            lines.push_back(line.section(u' ', 1).toStdString());
        return lines;
    };
    const std::vector<std::string> scanned = masterTransactions(untimed(trace));
    ASSERT_EQ(scanned.size(), std::size_t(BoardCheck::LastAddress - BoardCheck::FirstAddress + 1));
    EXPECT_EQ(scanned.front(), "S 10 W N P");
    // Before the scan, the data line's check and the lag's changes: a start and a stop each,
    // which the monitor shows and sigrok, with no byte between them, leaves out.
    std::vector<std::string> monitored = untimed(log);
    EXPECT_GE(std::erase(monitored, "S P"), std::size_t(BoardCheck::LagChanges / 2));
    EXPECT_EQ(std::count(monitored.begin(), monitored.end(), "S 90 W A P"), 1);  // the sensor answered
    EXPECT_EQ(sigrokTransactions(vcd.toStdString()), monitored);
}

// What a program's opening of a device waits before reads: --settle, else the settle
// remembered for that COM port, else the driver's (none for a pty, which names no driver).
TEST(SettleApplied, OptionThenRememberedForThatPortThenTheDriversDefault)
{
    const IsolatedConfig config;
    IsolatedConfig::write(config.userFile(), "[settle]\nCOM1=4500\nCOM3=0\n");
    const struct {
        int port;
        std::optional<std::chrono::microseconds> option;
        std::optional<std::chrono::microseconds> waited;  // none: no settle wrapper at all
    } cases[] = {{1, {}, 4500us}, {1, 200us, 200us}, {2, {}, std::nullopt}, {3, {}, std::nullopt}, {2, 700us, 700us}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "COM" << c.port << " --settle " << (c.option ? c.option->count() : -1));
        PtySerialDevice pty;
        pty.closeSlave();
        ProgramOptions options;
        options.settle = c.option;
        options.com[std::size_t(c.port - 1)] = QString::fromStdString(pty.device());
        PortEnvironment environment(options, PortAssignments::load(options.com, {}), {}, {}, pty.opener(), {});
        auto lines = environment.setup().opener(c.port, LineSettings{});
        auto* settled = dynamic_cast<SettledLines*>(lines.get());
        EXPECT_EQ(settled != nullptr, c.waited.has_value());
        if (settled && c.waited) {
            EXPECT_EQ(settled->settle(), *c.waited);
        }
    }
}

// Under a German locale the check speaks German, on the terminal as in its window.
TEST(GermanLocaleCheck, TheReportOnTheTerminalAndTheWindowSpeakGerman)
{
    const CheckRun run = runCheck("thermread", {"--com1=virtual", "--check"});
    EXPECT_EQ(run.status, 0);
    for (const char* line : {"COM1: die virtuelle Platine (kein Gerät), Status wird live gelesen; Einschwingzeit 0 µs "
                             "(Vorgabe des Treibers)\n",
                             "\nErgebnis: bereit. Geantwortet: der Temperatursensor bei 48.\n"})
        EXPECT_NE(run.out.find(line), std::string::npos) << run.out;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "iopanel";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const Languages german = Languages::ofUser();
    german.install();
    const Program& p = program("iopanel");
    ProgramOptions options;
    options.com[0] = QStringLiteral("virtual");
    PortEnvironment environment(options, PortAssignments::load(options.com, {}), p.buildBoard, {}, {}, {});
    CheckWindow window(std::make_unique<BoardCheck>(CheckRunner::checkedPort(p, environment, 1)), p.name, CheckRunner::keepSettle);
    window.show();
    window.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.copyButton()->isEnabled(); }, 5000));
    EXPECT_EQ(window.windowTitle(), "iopanel: Platine und Adapter prüfen (COM1)");
    EXPECT_EQ(window.copyButton()->text(), "Bericht &kopieren");
    EXPECT_EQ(window.rememberButton()->text(), "Diese Einschwingzeit &merken");
    const QString report = window.reportView()->toPlainText();
    EXPECT_NE(report.indexOf("Ergebnis: bereit. Geantwortet: ein Port-Expander PCF8574 oder PCF8574A bei 20, 21."), -1)
        << report.toStdString();
}

TEST(CheckWindow, RunsTheCheckInStepsThenCopiesTheReportAndRemembersTheSettle)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "iopanel";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const Program& p = program("iopanel");
    // A device: a pty whose lines reach the program's board (the virtual board keeps no settle).
    PtyOnBoard onBoard(p.buildBoard);
    PtySerialDevice& pty = onBoard.pty;
    ProgramOptions options;
    options.com[0] = QString::fromStdString(pty.device());
    PortEnvironment environment(options, PortAssignments::load(options.com, {}), p.buildBoard, {}, pty.opener(), {});
    CheckWindow window(std::make_unique<BoardCheck>(CheckRunner::checkedPort(p, environment, 1)), p.name, CheckRunner::keepSettle);
    window.show();
    window.start();
    EXPECT_FALSE(window.copyButton()->isEnabled());
    // One step per turn of the event loop: the bar moves while the scan runs.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_GT(window.progress()->value(), 0);
    EXPECT_LT(window.progress()->value(), window.progress()->maximum());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.copyButton()->isEnabled(); }, 5000));
    EXPECT_TRUE(window.passed());
    EXPECT_EQ(window.progress()->value(), window.progress()->maximum());
    const QString report = window.reportView()->toPlainText();
    EXPECT_NE(report.indexOf("20: 20 21 -- --"), -1) << report.toStdString();
    EXPECT_TRUE(QFontInfo(window.reportView()->font()).fixedPitch());

    window.copyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), report);
    ASSERT_TRUE(window.rememberButton()->isEnabled());
    window.rememberButton()->click();
    EXPECT_EQ(PortAssignments::load({}, {}).settle(1), std::chrono::microseconds(0));
}

} // namespace
