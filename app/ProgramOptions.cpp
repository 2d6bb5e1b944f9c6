#include "ProgramOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <functional>
#include <vector>

namespace {

// One option as the command line knows it. `take` puts its value (empty for a switch) into
// the options, and says why it refuses the value; an empty answer accepts it. The options are
// taken in the table's order, so a check may rely on the rows above it.
struct OptionRow {
    QString name;
    QString valueName;  // empty for a switch
    QString help;
    std::function<QString(const QString& value, ProgramOptions& options)> take;
};

// What the parse ends with instead of options: the text to print and the status.
struct Exit {
    QString text;
    int code;
};

QString comHelp(int n)
{
    if (n == 1)
        //: 'virtual' and boardsuite/ports.ini stay as they are: the user types them.
        return ProgramOptions::tr("What COM1 means: a device, or 'virtual' for the virtual board, in place of "
                                  "boardsuite/ports.ini's assignment (default %1).")
            .arg(PortAssignments::builtIn(1));
    return ProgramOptions::tr("What COM%1 means (default %2).").arg(n).arg(PortAssignments::builtIn(n));
}

OptionRow comRow(int n)
{
    //: The value of --com1 … --com4 in the help text.
    return {QStringLiteral("com%1").arg(n), ProgramOptions::tr("DEVICE"), comHelp(n), [n](const QString& value, ProgramOptions& o) {
                if (value.isEmpty())
                    //: 'virtual' stays as it is: the user types it.
                    return ProgramOptions::tr("--com%1 needs a device or 'virtual'\n").arg(n);
                o.com[std::size_t(n - 1)] = value;
                return QString();
            }};
}

QString takeSettle(const QString& value, ProgramOptions& o)
{
    bool number = false;
    const qlonglong us = value.toLongLong(&number);
    if (!number || us < 0 || us > PortAssignments::MostSettle.count())
        return ProgramOptions::tr("--settle needs a number of microseconds from 0 to %1\n").arg(PortAssignments::MostSettle.count());
    o.settle = std::chrono::microseconds(us);
    return {};
}

QString takeCheck(const QString& port, ProgramOptions& o)
{
    bool number = false;
    const int n = port.mid(3).toInt(&number);
    if (!port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) || !number || n < 1 || n > PortAssignments::Ports)
        return ProgramOptions::tr("--check takes one of COM1 to COM4\n");
    o.check = n;
    return {};
}

//: The value of the options that name a file, in the help text and the options' descriptions.
QString fileValue() { return ProgramOptions::tr("FILE"); }

// The options of the bus files and the settle, made as the help is: in the user's language.
std::vector<OptionRow> busRows()
{
    const QString File = fileValue();
    return {
        {QStringLiteral("trace"), File,
         ProgramOptions::tr("Write one line per access of the serial-port component to FILE ('-' for standard error)."),
         [](const QString& v, ProgramOptions& o) { o.trace = v; return QString(); }},
        {QStringLiteral("bus-log"), File,
         ProgramOptions::tr("Write every transaction the virtual board sees to FILE, one line each, as it happens ('-' for standard error)."),
         [](const QString& v, ProgramOptions& o) { o.busLog = v; return v.isEmpty() ? QCoreApplication::translate("ProgramOptions", ProgramOptions::BusLogUsage) : QString(); }},
        {QStringLiteral("vcd"), File,
         ProgramOptions::tr("Write every change of the bus lines to FILE as a Value Change Dump, for a logic analyser's viewer."),
         [](const QString& v, ProgramOptions& o) { o.vcd = v; return v.isEmpty() ? ProgramOptions::tr("--vcd needs a file\n") : QString(); }},
        //: The value of --settle, in its help text and its description.
        {QStringLiteral("settle"), ProgramOptions::tr("MICROSECONDS"),
         ProgramOptions::tr("Wait MICROSECONDS after a line change before reading the status inputs, on every port, "
                        "in place of the adapter's default (0: never wait)."),
         takeSettle},
    };
}

// The options that choose what the program does, in the order of the help text.
std::vector<OptionRow> modeRows()
{
    return {
        {QStringLiteral("list-ports"), {},
         ProgramOptions::tr("List the serial devices present, one a line, then what COM1 to COM4 stand for, and exit."),
         [](const QString&, ProgramOptions& o) { o.listPorts = true; return QString(); }},
        //: The value of --check: COM1 to COM4.
        {QStringLiteral("check"), ProgramOptions::tr("COMn"),
         ProgramOptions::tr("Check the board and the adapter behind COM1 (or COMn), print a report and exit: status 0 when what "
                        "this program drives answered. Needs no display."),
         takeCheck},
        {QStringLiteral("check-window"), {}, ProgramOptions::tr("The same check, shown in a small window as it runs."),
         [](const QString&, ProgramOptions& o) { o.checkWindow = true; return o.check ? QString() : takeCheck(QStringLiteral("COM1"), o); }},
        {QStringLiteral("remember"), {},
         ProgramOptions::tr("With --check: keep the settle measured for that COM port in the user's port assignments."),
         [](const QString&, ProgramOptions& o) {
             o.rememberSettle = true;
             return o.check ? QString() : ProgramOptions::tr("--remember goes with --check\n");
         }},
        {QStringLiteral("choose-port"), {},
         ProgramOptions::tr("Ask which device the program's serial port stands for, remember the choice, then start."),
         [](const QString&, ProgramOptions& o) { o.choosePort = true; return QString(); }},
        {QStringLiteral("plot"), {}, ProgramOptions::tr("Open the plot of what the window shows, over time, beside the window."),
         [](const QString&, ProgramOptions& o) { o.plot = true; return QString(); }},
        {QStringLiteral("record"), fileValue(),
         ProgramOptions::tr("Record what the window shows to FILE as CSV, one row per change, as it happens."),
         [](const QString& v, ProgramOptions& o) { o.record = v; return v.isEmpty() ? ProgramOptions::tr("--record needs a file\n") : QString(); }},
    };
}

// Every option after --help and --version, in the order of the help text.
std::vector<OptionRow> optionTable()
{
    std::vector<OptionRow> rows;
    for (int n = 1; n <= PortAssignments::Ports; ++n)
        rows.push_back(comRow(n));
    for (auto more : {busRows(), modeRows()})
        rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

// Qt's usage line names the executable as started (a path), or "<executable_name>" before the
// application object exists: this one names the program, as its manual page does.
QString helpText(const QCommandLineParser& parser)
{
    const QString text = parser.helpText();
    return ProgramOptions::tr("Usage: %1 [options]").arg(QCoreApplication::applicationName()) + text.mid(text.indexOf(u'\n'));
}

// --check alone checks COM1: the parser has no option whose value may be left out, so the
// bare form is told apart here.
QStringList withCheckPortNamed(QStringList arguments)
{
    for (QString& a : arguments)
        if (a == u"--check")
            a = QStringLiteral("--check=COM1");
    return arguments;
}

// A command line that ends before any option is taken: not understood, --help, --version, or a
// stray argument.
std::optional<Exit> endsEarly(QCommandLineParser& parser, const std::vector<OptionRow>& rows, const QStringList& arguments)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const OptionRow& row : rows)
        parser.addOption(QCommandLineOption(row.name, row.help, row.valueName));
    if (!parser.parse(withCheckPortNamed(arguments)))
        return Exit{parser.errorText() + QStringLiteral("\n\n") + helpText(parser), 2};
    if (parser.isSet(help))
        return Exit{helpText(parser), 0};
    if (parser.isSet(version))
        return Exit{QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n', 0};
    if (!parser.positionalArguments().isEmpty())
        return Exit{ProgramOptions::tr("unexpected argument: %1\n").arg(parser.positionalArguments().first()), 2};
    return std::nullopt;
}

// The options given, each taken in turn; the first value refused ends the parse.
std::optional<Exit> takeValues(const QCommandLineParser& parser, const std::vector<OptionRow>& rows, ProgramOptions& options)
{
    for (const OptionRow& row : rows)
        if (parser.isSet(row.name))
            if (QString refused = row.take(parser.value(row.name), options); !refused.isEmpty())
                return Exit{refused, 2};
    return std::nullopt;
}

} // namespace

std::optional<ProgramOptions> ProgramOptions::parse(const QStringList& arguments, QString& exitText, int& exitCode)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        ProgramOptions::tr("%1: drives the training board on a serial port.").arg(QCoreApplication::applicationName()));
    const std::vector<OptionRow> rows = optionTable();
    ProgramOptions options;
    std::optional<Exit> exit = endsEarly(parser, rows, arguments);
    if (!exit)
        exit = takeValues(parser, rows, options);
    if (!exit)
        return options;
    exitText = exit->text;
    exitCode = exit->code;
    return std::nullopt;
}
