#include "ProgramRunner.h"

#include "BoardWindow.h"
#include "CheckRunner.h"
#include "FormsStyle.h"
#include "Languages.h"
#include "LostDevice.h"
#include "MessageBox.h"
#include "PortChoiceDialog.h"
#include "PortEnvironment.h"
#include "ProgramIcon.h"
#include "Say.h"
#include "SerialPortList.h"
#include "WindowPlot.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop, so that the window and its port (and lock file) go.
void quitOnSignals(QApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        // A message box may be up (even before the main loop runs): close it too.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->reject();
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

bool haveDisplay()
{
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// What goes wrong but stops nothing, said on standard error.
PortAssignments::Warning warnings(const Program& program)
{
    return [&program](const QString& line) { say(program.name, line); };
}

QString firstLine(const std::string& text)
{
    QString all = QString::fromStdString(text);
    return all.left(all.indexOf(u'\n'));
}

// The options, or the status to end with (usage, --help and --version said).
std::optional<ProgramOptions> parseOptions(int argc, char** argv, int& status)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString exitText;
    auto options = ProgramOptions::parse(arguments, exitText, status);
    if (!options)
        std::fputs(exitText.toLocal8Bit().constData(), status == 0 ? stdout : stderr);
    return options;
}

int listPorts(const Program& program, const ProgramOptions& options, const PortAssignments& ports)
{
    const auto present = SerialPortList::present(options.settle);
    for (const DeviceFacts& port : present)
        std::printf("%s\n", SerialPortList::describe(port).c_str());
    if (present.empty())
        say(program.name, QCoreApplication::translate("ProgramRunner", "no serial device found"));
    for (int n = 1; n <= PortAssignments::Ports; ++n)
        std::printf("%s\n", qPrintable(ports.describe(n)));
    return 0;
}

void prepareApplication(QApplication& app, const Program& program)
{
    // Every window and box of the program shows its icon (no window sets one of its own), and
    // desktops that go by the entry (Wayland's) find its name and icon there.
    QApplication::setWindowIcon(programIcon(program.desktopId));
    QGuiApplication::setDesktopFileName(program.desktopId);
    FormsStyle::apply(app);
    quitOnSignals(app);
}

std::vector<int> portsOf(const Program& program)
{
    std::vector<int> ports{1};
    for (int n = 2; program.choosesPort && n <= PortAssignments::Ports; ++n)
        ports.push_back(n);
    return ports;
}

// --choose-port: the program's ports as the user chooses them, remembered when asked; false
// when the user quit.
bool choosePorts(const Program& program, PortAssignments& ports)
{
    const std::vector<int> asked = portsOf(program);
    PortChoiceDialog dialog(asked.size() == 1 ? QCoreApplication::translate("ProgramRunner", "Which device is COM1, the board's serial port?")
                                              : QCoreApplication::translate("ProgramRunner", "Which devices are COM1 to COM4, the serial ports to choose from?"),
                            asked, ports, PortChoiceDialog::Offer::Current, [] { return SerialPortList::present(); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (int n : asked) {
        const QString device = dialog.device(n);
        if (device == ports.of(n).device)
            continue;
        ports.choose(n, device);
        if (QString error; dialog.remember() && !PortAssignments::remember(n, device, error))
            //: Follows the reason why the choice could not be remembered.
            say(program.name, error + QCoreApplication::translate("ProgramRunner", "; COM%1 stands for %2 this time only").arg(n).arg(device));
    }
    return true;
}

// At start-up, when COM`commPort` finds no device (or the device chosen instead fails): which
// one to use, or nothing when the user quits.
std::optional<PortEnvironment::Choice> askForDevice(const Program& program, const PortEnvironment& environment,
                                                    int commPort, const CommError& failure)
{
    say(program.name, firstLine(failure.shown()));
    const PortAssignments& ports = environment.ports();
    QString headline;
    if (ports.of(commPort).source != PortAssignments::Source::Chosen)
        headline = QCoreApplication::translate("ProgramRunner", "COM%1 stands for %2, which was not found on this computer: there is no such device, or "
                                             "no serial port behind it. Which device is the board's cable plugged into?")
                       .arg(commPort)
                       .arg(ports.device(commPort));
    else if (failure.kind() == CommError::Kind::NoSuchDevice)
        //: %1 is the device's failure, as the device layer words it (in English).
        headline = QCoreApplication::translate("ProgramRunner", "%1. Choose another device, or Quit.").arg(firstLine(failure.shown()));
    else
        headline = QCoreApplication::translate("ProgramRunner", "%1\nChoose another device, or Quit.").arg(QString::fromStdString(failure.shown()));
    PortChoiceDialog dialog(headline, {commPort}, ports, PortChoiceDialog::Offer::FirstPresent,
                            [] { return SerialPortList::present(); });
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return PortEnvironment::Choice{dialog.device(commPort), dialog.remember()};
}

// The board's window, made as soon as a port stands for the board (at once, or when the user
// chooses it at start-up) and before the program's start-up traffic, so that its monitor sees
// all of it. False when the monitor's log cannot be written.
bool watchBoard(const Program& program, const ProgramOptions& options, PortEnvironment& environment,
                Trace::Clock::time_point epoch, std::unique_ptr<BoardWindow>& boardWindow)
{
    // Shared: the board may come later, from the user's choice, when this step is over.
    auto logError = std::make_shared<std::string>();
    environment.onBoard([&boardWindow, &options, logError, epoch](Board& board) {
        boardWindow = std::make_unique<BoardWindow>(board, epoch);
        boardWindow->monitor().openLog(options.busLog.toLocal8Bit().toStdString(), *logError);
    });
    if (!logError->empty())
        say(program.name, QString::fromStdString(*logError));
    return logError->empty();
}

// Form_Load, which opens the port and asks for a device when it finds none. A port that still
// cannot be opened is reported (but when the user quit the question): false.
bool loadWindow(const Program& program, PortEnvironment& environment, std::unique_ptr<FormWindow>& window,
                std::unique_ptr<BoardWindow>& boardWindow)
{
    environment.askWhenMissing([&program, &environment](int port, const CommError& failure) {
        return askForDevice(program, environment, port, failure);
    });
    try {
        window->Form_Load();
    } catch (const CommError& e) {
        // The windows go before the box: nothing of theirs runs behind it.
        window.reset();
        boardWindow.reset();
        if (environment.declined()) {
            say(program.name, QCoreApplication::translate("ProgramRunner", "no device chosen; ended"));
            return false;
        }
        QString text = QString::fromStdString(e.shown());
        say(program.name, text);
        forms::messageBox(nullptr, QMessageBox::Critical, program.name, text);
        return false;
    }
    // From here on a port that does not open is the window's to report (iopanel's box).
    environment.askWhenMissing(nullptr);
    return true;
}

// The window and the board's window when a port stands for the board; then the event loop.
int runWindow(const Program& program, const ProgramOptions& options, PortEnvironment& environment,
              Trace::Clock::time_point epoch)
{
    std::unique_ptr<BoardWindow> boardWindow;
    if (!watchBoard(program, options, environment, epoch, boardWindow))
        return 1;
    std::unique_ptr<FormWindow> window = program.createWindow(environment.setup());
    auto* lostDevice = new LostDevice(*window, environment, program.name);
    if (!loadWindow(program, environment, window, boardWindow))
        return 1;
    auto plot = std::make_unique<WindowPlot>(*window, program.readings, epoch, program.name);
    if (QString error; !options.record.isEmpty() && !plot->startRecording(options.record, error))
        say(program.name, error + QCoreApplication::translate("ProgramRunner", "; carrying on without recording"));
    window->show();
    if (boardWindow)
        boardWindow->showBeside(*window);
    if (options.plot)
        plot->showPlot();
    window->startTimers();
    int status = QApplication::exec();
    // Ended while it waited for its device: the work was not done.
    if (lostDevice->waiting())
        status = 1;
    plot.reset();  // the recording written out to its end
    window.reset();
    boardWindow.reset();
    return status;
}

// The rest of a run, which needs a display: the application, the question --choose-port asks,
// then the check's window or the program's.
int runOnDisplay(int& argc, char** argv, const Program& program, const ProgramOptions& options, PortAssignments ports,
                 const DeviceOpener& devices, Trace::Clock::time_point epoch, const Languages& languages)
{
    if (!haveDisplay()) {
        say(program.name, QCoreApplication::translate("ProgramRunner", "no display to show the window on (DISPLAY is not set); run it under xvfb-run, e.g. xvfb-run -a %1")
                              .arg(program.name));
        return 1;
    }
    QApplication app(argc, argv);
    languages.install();
    prepareApplication(app, program);
    if (options.choosePort && !choosePorts(program, ports)) {
        say(program.name, QCoreApplication::translate("ProgramRunner", "no device chosen; ended"));
        return 1;
    }
    PortEnvironment environment(options, std::move(ports), program.buildBoard, epoch, devices, warnings(program));
    if (options.checkWindow)
        return CheckRunner::inWindow(program, options, environment);
    QString error;
    if (!environment.openRecords(error)) {
        say(program.name, error);
        return 1;
    }
    return runWindow(program, options, environment, epoch);
}

// What is done before a display is needed: the options, --list-ports and the check on the
// terminal. An application object without a display stands by, so that --help and the report
// speak the user's language; it goes before the display's comes. The exit status when the run
// ends here.
std::optional<int> runOnTerminal(int argc, char** argv, const Program& program, const DeviceOpener& devices,
                                 Trace::Clock::time_point epoch, const Languages& languages,
                                 std::optional<ProgramOptions>& options, std::optional<PortAssignments>& ports)
{
    QCoreApplication core(argc, argv);
    languages.install();
    int status = 0;
    options = parseOptions(argc, argv, status);
    if (!options)
        return status;
    ports = PortAssignments::load(options->com, warnings(program));
    if (options->listPorts)
        return listPorts(program, *options, *ports);
    if (!options->busLog.isEmpty() && !ports->anyVirtual()) {
        std::fputs(qPrintable(QCoreApplication::translate("ProgramOptions", ProgramOptions::BusLogUsage)), stderr);
        return 2;
    }
    if (options->check && !options->checkWindow) {
        PortEnvironment environment(*options, std::move(*ports), program.buildBoard, epoch, devices, warnings(program));
        return CheckRunner::onTerminal(program, *options, environment);
    }
    return std::nullopt;
}

} // namespace

int runProgram(int argc, char** argv, const Program& program, const DeviceOpener& devices)
{
    const auto epoch = Trace::Clock::now();
    QCoreApplication::setApplicationName(program.name);
    QCoreApplication::setApplicationVersion(QStringLiteral(BOARD_SUITE_VERSION));
    const Languages languages = Languages::ofUser();
    std::optional<ProgramOptions> options;
    std::optional<PortAssignments> ports;
    if (std::optional<int> status = runOnTerminal(argc, argv, program, devices, epoch, languages, options, ports))
        return *status;
    return runOnDisplay(argc, argv, program, *options, std::move(*ports), devices, epoch, languages);
}
