#include "ProgramRunner.h"

#include "BoardWindow.h"
#include "FormsStyle.h"
#include "PortEnvironment.h"
#include "ProgramIcon.h"
#include "SerialPortList.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>

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

} // namespace

int runProgram(int argc, char** argv, const Program& program)
{
    const auto epoch = Trace::Clock::now();
    QCoreApplication::setApplicationName(program.name);
    QCoreApplication::setApplicationVersion(QStringLiteral(BOARD_SUITE_VERSION));

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString exitText;
    int exitCode = 0;
    auto options = ProgramOptions::parse(arguments, exitText, exitCode);
    if (!options) {
        std::fputs(exitText.toLocal8Bit().constData(), exitCode == 0 ? stdout : stderr);
        return exitCode;
    }
    if (options->listPorts) {
        const auto present = SerialPortList::present(options->settle);
        for (const SerialPortInfo& port : present)
            std::printf("%s\n", SerialPortList::describe(port).c_str());
        if (present.empty())
            std::fprintf(stderr, "%s: no serial device found\n", qPrintable(program.name));
        return 0;
    }
    if (!haveDisplay()) {
        std::fprintf(stderr, "%s: no display to show the window on (DISPLAY is not set); run it under xvfb-run, e.g. xvfb-run -a %s\n",
                     qPrintable(program.name), qPrintable(program.name));
        return 1;
    }

    QApplication app(argc, argv);
    // Every window and box of the program shows its icon (no window sets one of its own), and
    // desktops that go by the entry (Wayland's) find its name and icon there.
    QApplication::setWindowIcon(programIcon(program.desktopId));
    QGuiApplication::setDesktopFileName(program.desktopId);
    FormsStyle::apply(app);
    quitOnSignals(app);

    PortEnvironment ports(*options, program.buildBoard, epoch);
    QString error;
    if (!ports.openTrace(error) || !ports.openVcd(error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(program.name), qPrintable(error));
        return 1;
    }

    // The board's window comes first, so that its monitor sees the program's start-up traffic.
    std::unique_ptr<BoardWindow> boardWindow;
    if (Board* board = ports.board()) {
        boardWindow = std::make_unique<BoardWindow>(*board, epoch);
        std::string logError;
        if (!boardWindow->monitor().openLog(options->busLog.toLocal8Bit().toStdString(), logError)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(program.name), logError.c_str());
            return 1;
        }
    }

    std::unique_ptr<FormWindow> window = program.createWindow(ports.setup());
    FormWindow* w = window.get();
    bool deviceLost = false;
    w->MSComm1.setFailureHandler([w, &program, &deviceLost](const std::string& message) {
        // Shown after the running handler, never inside a bus transaction.
        QString text = QString::fromStdString(message);
        std::fprintf(stderr, "%s: %s\n", qPrintable(program.name), qPrintable(text));
        if (program.choosesPort) {
            QTimer::singleShot(0, w, [w, name = program.name, text] { QMessageBox::warning(w, name, text); });
            return;
        }
        // Status 1 however the program then ends (the box closed, or a signal).
        deviceLost = true;
        QTimer::singleShot(0, w, [w, name = program.name, text] {
            w->hide();  // what it would go on showing are a closed port's readings
            QMessageBox::critical(nullptr, name, text);
            QCoreApplication::exit(1);
        });
    });
    try {
        w->Form_Load();
    } catch (const CommError& e) {
        QString text = QString::fromStdString(e.what());
        // The window goes before the box, so that none of its timers runs behind it.
        window.reset();
        boardWindow.reset();
        std::fprintf(stderr, "%s: %s\n", qPrintable(program.name), qPrintable(text));
        QMessageBox::critical(nullptr, program.name, text);
        return 1;
    }
    w->show();
    if (boardWindow)
        boardWindow->showBeside(*w);
    w->startTimers();
    int status = app.exec();
    window.reset();
    boardWindow.reset();
    return deviceLost ? 1 : status;
}
