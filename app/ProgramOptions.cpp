#include "ProgramOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// Qt's usage line names the executable as started (a path), or "<executable_name>" before the
// application object exists: this one names the program, as its manual page does.
QString helpText(const QCommandLineParser& parser)
{
    const QString text = parser.helpText();
    return QStringLiteral("Usage: %1 [options]").arg(QCoreApplication::applicationName()) + text.mid(text.indexOf(u'\n'));
}

} // namespace

std::optional<ProgramOptions> ProgramOptions::parse(const QStringList& arguments, QString& exitText, int& exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::applicationName() +
                                     QStringLiteral(": drives the training board on a serial port."));
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    ProgramOptions options;
    std::array<QCommandLineOption, MappedPorts> comOptions{
        QCommandLineOption(QStringLiteral("com1"), QStringLiteral("What COM1 means: a device, or 'virtual' for the virtual board, in place of "
                                                                  "boardsuite/ports.ini's assignment (default /dev/ttyS0)."), QStringLiteral("DEVICE")),
        QCommandLineOption(QStringLiteral("com2"), QStringLiteral("What COM2 means (default /dev/ttyS1)."), QStringLiteral("DEVICE")),
        QCommandLineOption(QStringLiteral("com3"), QStringLiteral("What COM3 means (default /dev/ttyS2)."), QStringLiteral("DEVICE")),
        QCommandLineOption(QStringLiteral("com4"), QStringLiteral("What COM4 means (default /dev/ttyS3)."), QStringLiteral("DEVICE")),
    };
    for (auto& o : comOptions)
        parser.addOption(o);
    QCommandLineOption trace(QStringLiteral("trace"),
                             QStringLiteral("Write one line per access of the serial-port component to FILE ('-' for standard error)."),
                             QStringLiteral("FILE"));
    parser.addOption(trace);
    QCommandLineOption busLog(QStringLiteral("bus-log"),
                              QStringLiteral("Write every transaction the virtual board sees to FILE, one line each, as it happens ('-' for standard error)."),
                              QStringLiteral("FILE"));
    parser.addOption(busLog);
    QCommandLineOption vcd(QStringLiteral("vcd"),
                           QStringLiteral("Write every change of the bus lines to FILE as a Value Change Dump, for a logic analyser's viewer."),
                           QStringLiteral("FILE"));
    parser.addOption(vcd);
    QCommandLineOption settle(QStringLiteral("settle"),
                              QStringLiteral("Wait MICROSECONDS after a line change before reading the status inputs, on every port, "
                                             "in place of the adapter's default (0: never wait)."),
                              QStringLiteral("MICROSECONDS"));
    parser.addOption(settle);
    QCommandLineOption listPorts(QStringLiteral("list-ports"),
                                 QStringLiteral("List the serial devices present, one a line, then what COM1 to COM4 stand for, and exit."));
    parser.addOption(listPorts);
    // --check alone checks COM1: the parser has no option whose value may be left out, so the
    // bare form is told apart here.
    QStringList args = arguments;
    for (QString& a : args)
        if (a == u"--check")
            a = QStringLiteral("--check=COM1");
    QCommandLineOption check(QStringLiteral("check"),
                             QStringLiteral("Check the board and the adapter behind COM1 (or COMn), print a report and exit: status 0 when what "
                                            "this program drives answered. Needs no display."),
                             QStringLiteral("COMn"));
    parser.addOption(check);
    QCommandLineOption checkWindow(QStringLiteral("check-window"),
                                   QStringLiteral("The same check, shown in a small window as it runs."));
    parser.addOption(checkWindow);
    QCommandLineOption remember(QStringLiteral("remember"),
                                QStringLiteral("With --check: keep the settle measured for that COM port in the user's port assignments."));
    parser.addOption(remember);
    QCommandLineOption choosePort(QStringLiteral("choose-port"),
                                  QStringLiteral("Ask which device the program's serial port stands for, remember the choice, then start."));
    parser.addOption(choosePort);

    if (!parser.parse(args)) {
        exitText = parser.errorText() + QStringLiteral("\n\n") + helpText(parser);
        exitCode = 2;
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        exitText = helpText(parser);
        exitCode = 0;
        return std::nullopt;
    }
    if (parser.isSet(version)) {
        exitText = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        exitCode = 0;
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        exitText = QStringLiteral("unexpected argument: ") + parser.positionalArguments().first() + u'\n';
        exitCode = 2;
        return std::nullopt;
    }
    for (int i = 0; i < MappedPorts; ++i) {
        if (parser.isSet(comOptions[std::size_t(i)])) {
            QString value = parser.value(comOptions[std::size_t(i)]);
            if (value.isEmpty()) {
                exitText = QStringLiteral("--com%1 needs a device or 'virtual'\n").arg(i + 1);
                exitCode = 2;
                return std::nullopt;
            }
            options.com[std::size_t(i)] = value;
        }
    }
    if (parser.isSet(trace))
        options.trace = parser.value(trace);
    if (parser.isSet(busLog)) {
        options.busLog = parser.value(busLog);
        if (options.busLog.isEmpty()) {
            exitText = BusLogUsage;
            exitCode = 2;
            return std::nullopt;
        }
    }
    if (parser.isSet(vcd)) {
        options.vcd = parser.value(vcd);
        if (options.vcd.isEmpty()) {
            exitText = QStringLiteral("--vcd needs a file\n");
            exitCode = 2;
            return std::nullopt;
        }
    }
    if (parser.isSet(settle)) {
        bool number = false;
        const qlonglong us = parser.value(settle).toLongLong(&number);
        // Up to a second: a longer wait before every read would stop the bus, not settle it.
        if (!number || us < 0 || us > 1'000'000) {
            exitText = QStringLiteral("--settle needs a number of microseconds from 0 to 1000000\n");
            exitCode = 2;
            return std::nullopt;
        }
        options.settle = std::chrono::microseconds(us);
    }
    options.checkWindow = parser.isSet(checkWindow);
    if (parser.isSet(check) || options.checkWindow) {
        const QString port = parser.isSet(check) ? parser.value(check) : QStringLiteral("COM1");
        bool number = false;
        const int n = port.mid(3).toInt(&number);
        if (!port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) || !number || n < 1 || n > MappedPorts) {
            exitText = QStringLiteral("--check takes one of COM1 to COM4\n");
            exitCode = 2;
            return std::nullopt;
        }
        options.check = n;
    }
    options.rememberSettle = parser.isSet(remember);
    if (options.rememberSettle && !options.check) {
        exitText = QStringLiteral("--remember goes with --check\n");
        exitCode = 2;
        return std::nullopt;
    }
    options.listPorts = parser.isSet(listPorts);
    options.choosePort = parser.isSet(choosePort);
    return options;
}
