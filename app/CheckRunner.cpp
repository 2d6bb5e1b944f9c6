#include "CheckRunner.h"

#include "BoardCheck.h"
#include "BusMonitor.h"
#include "CheckWindow.h"
#include "PortEnvironment.h"
#include "Say.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

// How much of the report is on standard output, and whether a progress line is beneath it.
struct Printed {
    qsizetype upto = 0;
    bool progressShown = false;
};

// Prints what the report gained. While the scan runs on a terminal, the grid comes a whole row
// at a time, with a line beneath that says how far the scan is.
void printNew(const BoardCheck& check, bool terminal, Printed& printed)
{
    const QString& report = check.report();
    const bool progress = terminal && check.scanning();
    const qsizetype upto = progress ? report.lastIndexOf(u'\n') + 1 : report.size();
    if (upto > printed.upto) {
        if (printed.progressShown)
            std::fputs("\r\033[K", stdout);
        printed.progressShown = false;
        std::fputs(report.mid(printed.upto, upto - printed.upto).toUtf8().constData(), stdout);
        printed.upto = upto;
    }
    if (progress) {
        //: The scan of the bus's addresses as it goes; %1 is the address probed, in hexadecimal.
        const QString line = QCoreApplication::translate("CheckRunner", "probing %1 (step %2 of %3)")
                                 .arg(int(*check.scanning()), 2, 16, QLatin1Char('0'))
                                 .arg(check.stepsDone())
                                 .arg(check.steps());
        std::printf("\r\033[K%s", line.toUtf8().constData());
        printed.progressShown = true;
    }
    std::fflush(stdout);
}

// --remember: false when nothing was kept.
bool rememberSettle(const Program& program, const BoardCheck& check)
{
    QString error;
    if (!CheckRunner::keepSettle(check, error)) {
        say(program.name, error);
        return false;
    }
    //: Settle (a noun): the wait between setting a line and reading a status input.
    const QString line = QCoreApplication::translate("CheckRunner", "Remembered: settle %1 µs for COM%2 in %3")
                             .arg(check.settleToKeep()->count())
                             .arg(check.commPort())
                             .arg(PortAssignments::userFile());
    std::printf("%s\n", line.toUtf8().constData());
    return true;
}

// The trace, the dump and the bus log, when asked for, as any run writes them: the check's
// traffic is worth seeing in a logic analyser's viewer too. False, said, when one cannot be
// written; `busLog` keeps the virtual board's monitor while the check runs.
bool openRecords(const Program& program, const ProgramOptions& options, PortEnvironment& environment,
                 std::unique_ptr<BusMonitor>& busLog)
{
    QString error;
    if (!environment.openRecords(error)) {
        say(program.name, error);
        return false;
    }
    if (options.busLog.isEmpty() || !environment.board())
        return true;
    busLog = std::make_unique<BusMonitor>(*environment.board(), environment.epoch());
    std::string logError;
    if (busLog->openLog(options.busLog.toLocal8Bit().toStdString(), logError))
        return true;
    say(program.name, QString::fromStdString(logError));
    return false;
}

} // namespace

CheckedPort CheckRunner::checkedPort(const Program& program, PortEnvironment& environment, int commPort)
{
    CheckedPort port;
    port.commPort = commPort;
    if (const QString device = environment.ports().device(commPort); device != QLatin1String(PortAssignments::Virtual))
        port.device = device.toStdString();
    port.settle = environment.settleAsked(commPort);
    port.openUnsettled = [&environment, commPort] { return environment.openUnsettled(commPort); };
    port.clock = environment.devices().clock;
    port.sysfsRoot = environment.devices().sysfsRoot;
    port.trace = environment.trace();
    port.programName = program.name;
    port.buildBoard = program.buildBoard;
    return port;
}

bool CheckRunner::keepSettle(const BoardCheck& check, QString& error)
{
    if (!check.settleToKeep()) {
        error = check.measuredSettle()
                    ? QCoreApplication::translate("CheckRunner", "the virtual board needs no settle; nothing remembered")
                    : QCoreApplication::translate("CheckRunner", "no settle measured; nothing remembered");
        return false;
    }
    return PortAssignments::rememberSettle(check.commPort(), *check.settleToKeep(), error);
}

int CheckRunner::onTerminal(const Program& program, const ProgramOptions& options, PortEnvironment& environment)
{
    std::unique_ptr<BusMonitor> busLog;
    if (!openRecords(program, options, environment, busLog))
        return 1;
    BoardCheck check(checkedPort(program, environment, options.check));
    const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    Printed printed;
    for (bool more = true; more;) {
        more = check.step();
        printNew(check, terminal, printed);
    }
    if (check.settleToKeep() && !options.rememberSettle) {
        const QString hint = QCoreApplication::translate("CheckRunner", "To keep the settle measured for COM%1: %2 --check=COM%1 --remember");
        std::printf("%s\n", hint.arg(check.commPort()).arg(program.name).toUtf8().constData());
    }
    if (options.rememberSettle && !rememberSettle(program, check))
        return 1;
    return check.passed() ? 0 : 1;
}

int CheckRunner::inWindow(const Program& program, const ProgramOptions& options, PortEnvironment& environment)
{
    std::unique_ptr<BusMonitor> busLog;
    if (!openRecords(program, options, environment, busLog))
        return 1;
    CheckWindow window(std::make_unique<BoardCheck>(checkedPort(program, environment, options.check)), program.name,
                       keepSettle);
    window.show();
    window.start();
    return QApplication::exec() == 0 && window.passed() ? 0 : 1;
}
