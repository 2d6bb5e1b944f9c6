// Draws every program's window on the virtual board, as it looks after a first use, and the
// board's own window beside it, into PNG files:   screenshots DIR
//   <program>.png, boards-<program>.png, thermread-with-board.png (the two side by side),
//   waveform-<program>.png (the bus monitor and the waveform pane beside it), and
//   port-choice.png, the question a program asks when its COM1 finds no device,
//   plot-thermread.png and plot-adcpanel.png, plot windows after a few seconds of readings, and
//   in German port-choice-de.png and check-window-de.png, the check's window at its end.
#include "AdcPanelWindow.h"
#include "Board.h"
#include "BoardCheck.h"
#include "BoardWindow.h"
#include "CheckRunner.h"
#include "CheckWindow.h"
#include "FormsStyle.h"
#include "History.h"
#include "IoPanelWindow.h"
#include "Languages.h"
#include "LineProbeWindow.h"
#include "PartVisitor.h"
#include "Pcf8591Converter.h"
#include "PlotWindow.h"
#include "PortChoiceDialog.h"
#include "PortEnvironment.h"
#include "Programs.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "TemperatureSensor.h"
#include "ThermConfWindow.h"
#include "VirtualPort.h"
#include "WaveformPane.h"
#include "WindowPlot.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QPainter>
#include <QRadioButton>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

QString directory;
bool allWritten = true;

void save(const QPixmap& picture, const QString& name)
{
    QString path = QDir(directory).filePath(name + ".png");
    bool ok = picture.save(path);
    allWritten &= ok;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
}

// The two pictures side by side, top-aligned, on a transparent ground.
QPixmap besideEachOther(const QPixmap& left, const QPixmap& right)
{
    constexpr int gap = 16;
    QPixmap both(left.width() + gap + right.width(), std::max(left.height(), right.height()));
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(left.width() + gap, 0, right);
    return both;
}

// Builds the program's board, its board window and the program's window, opens it, lets `use`
// act on it, saves the pictures; `together` also saves the two side by side.
template <class Window>
void shoot(const QString& name, const std::function<void(Window&, BoardWindow&)>& use, bool together = false)
{
    Board board;
    programOf<Window>().buildBoard(board);
    // A clock that steps 1.5 ms a reading, so that the monitor's times come out the same each run.
    const BusMonitor::Clock::time_point epoch{};
    BoardWindow boardWindow(board, epoch, [epoch, readings = 0]() mutable {
        return epoch + std::chrono::microseconds(1500 * ++readings);
    });
    Window window(MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
    window.Form_Load();
    use(window, boardWindow);
    window.show();
    QCoreApplication::processEvents();
    const QPixmap program = window.grab();  // before the board window takes the focus
    boardWindow.show();
    boardWindow.refresh();
    QCoreApplication::processEvents();
    const QPixmap boards = boardWindow.grab();
    save(program, name);
    save(boards, "boards-" + name);
    if (together)
        save(besideEachOther(program, boards), name + "-with-board");
    if (boardWindow.waveformPane) {
        boardWindow.resize(1280, boardWindow.height());  // room for the bits' labels
        QCoreApplication::processEvents();
        save(boardWindow.waveformPane->parentWidget()->grab(), "waveform-" + name);
    }
}

// As a laptop without a built-in serial port shows it, with one USB adapter plugged in; the
// question in the language loaded.
void shootPortChoice(const QString& name)
{
    const PortAssignments ports = PortAssignments::load({}, [](const QString&) {});
    DeviceFacts adapter{"/dev/ttyUSB0", "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0", "ch341-uart", "1a86", "7523", "USB Serial"};
    const QString headline =
        QCoreApplication::translate("ProgramRunner", "COM%1 stands for %2, which was not found on this computer: there is no such "
                                                     "device, or no serial port behind it. Which device is the board's cable plugged into?")
            .arg(1)
            .arg(QStringLiteral("/dev/ttyS0"));
    PortChoiceDialog dialog(headline, {1}, ports, PortChoiceDialog::Offer::FirstPresent,
                            [adapter] { return std::vector<DeviceFacts>{adapter}; });
    dialog.setWindowTitle(QStringLiteral("thermread"));
    dialog.resize(560, dialog.sizeHint().height());
    dialog.show();
    QApplication::processEvents();
    save(dialog.grab(), name);
}

// thermread's check of the virtual board, at its end.
void shootCheckWindow(const QString& name)
{
    const Program& thermread = program("thermread");
    ProgramOptions options;
    options.com[0] = QStringLiteral("virtual");
    PortEnvironment environment(options, PortAssignments::load(options.com, {}), thermread.buildBoard, {}, {}, {});
    CheckWindow window(std::make_unique<BoardCheck>(CheckRunner::checkedPort(thermread, environment, 1)), thermread.name,
                       CheckRunner::keepSettle);
    window.show();
    window.start();
    while (!window.copyButton()->isEnabled())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    save(window.grab(), name);
}

// The chooser and the check in German, with German numbers, whatever the locale the tool runs in.
void shootInGerman()
{
    const Languages german(QStringList{QStringLiteral("de-DE")}, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    german.install();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    shootPortChoice(QStringLiteral("port-choice-de"));
    shootCheckWindow(QStringLiteral("check-window-de"));
    QLocale::setDefault(QLocale::system());
}

// The board's first part of that class (or chip on its bus).
template <class Part>
Part& partOf(Board& board)
{
    struct Finder : PartVisitor {
        using PartVisitor::visit;
        void visit(Part& p) override { found = found ? found : &p; }
        Part* found = nullptr;
    } finder;
    board.accept(finder);
    return *finder.found;
}

// Lets the event loop run until `ms` have passed since `clock` started.
void runUntil(const QElapsedTimer& clock, qint64 ms)
{
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(5);
    }
}

// The program's window on its board with its plot open, as --plot opens it. `step` runs
// `steps` times, `ms` apart in real time (the plot's clock), as calls the window receives, so
// that the plot takes what each one shows as it does after a click or a tick; `arrange` sets
// the plot up before it is saved.
template <class Window>
void shootPlot(const QString& name, int steps, int ms, const std::function<void(Window&, Board&, int)>& step,
               const std::function<void(PlotWindow&, const History&)>& arrange = {})
{
    Board board;
    const Program& program = programOf<Window>();
    program.buildBoard(board);
    Window window(MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
    window.Form_Load();
    // The plot starts from the window as it looks after a first use: two steps, as adcpanel's
    // first box shows the conversion that the read before it started.
    step(window, board, 0);
    step(window, board, 0);
    window.show();
    WindowPlot plot(window, program.readings, Trace::Clock::now(), program.name);
    PlotWindow& view = plot.showPlot();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        QMetaObject::invokeMethod(&window, [&, i] { step(window, board, i); }, Qt::QueuedConnection);
        runUntil(clock, qint64(i + 1) * ms);
    }
    if (arrange)
        arrange(view, *plot.history());
    runUntil(clock, clock.elapsed() + 200);  // the plot redraws on a timer
    save(view.grab(), "plot-" + name);
}

// A finger on the sensor from 1 s on for 3 s, then the sensor cooling back towards the room.
double warmedSensor(double seconds)
{
    constexpr double room = 21.5, finger = 31.0;
    if (seconds < 1)
        return room;
    const double warm = room + (finger - room) * (1 - std::exp(-(seconds - 1) / 1.2));
    if (seconds < 4)
        return warm;
    const double peak = room + (finger - room) * (1 - std::exp(-3 / 1.2));
    return room + (peak - room) * std::exp(-(seconds - 4) / 2.5);
}

// thermread read every 150 ms for 9 s, markers from the start of the warming to its peak.
void shootThermReadPlot()
{
    constexpr int ms = 150;
    shootPlot<ThermReadWindow>(
        "thermread", 60, ms,
        [](ThermReadWindow& w, Board& b, int i) {
            if (i == 0)
                w.cmdStartConvert_Click();
            partOf<TemperatureSensor>(b).setHalfDegrees(int(std::lround(2 * warmedSensor(i * ms / 1000.0))));
            w.cmdRdTemp_Click();
        },
        [](PlotWindow& view, const History& history) {
            view.setAutoY(true);
            std::size_t peak = 0;
            for (std::size_t e = 0; e < history.size(); ++e)
                if (!(history.value(e, 0) <= history.value(peak, 0)))  // NaN: no reading yet
                    peak = e;
            view.setMarker(history.time(history.firstFrom(1.0)));
            view.setMarker(history.time(peak));
        });
}

// adcpanel's inputs moved on the board while it reads them every 200 ms for 8 s: a slow ramp,
// a swing, a knob turned half-way and a switch.
void shootAdcPanelPlot()
{
    constexpr int ms = 200;
    shootPlot<AdcPanelWindow>("adcpanel", 40, ms, [](AdcPanelWindow& w, Board& b, int i) {
        const double t = i * ms / 1000.0;
        const double volts[] = {0.5 + 0.45 * t, 2.5 + 1.8 * std::sin(t * 1.6), t < 3 ? 1.0 : t < 5 ? 1.0 + (t - 3) * 0.9 : 2.8,
                                std::fmod(t, 4) < 2 ? 4.6 : 0.3};
        Pcf8591Converter& converter = partOf<Pcf8591Converter>(b);
        for (int channel = 0; channel < 4; ++channel)
            converter.setInput(channel, std::uint8_t(std::lround(volts[channel] / 5 * 255)));
        if (i == 0)
            w.Text5->setText(QStringLiteral("1.5"));  // the output, typed in
        w.Timer1_Timer();
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormsStyle::apply(app);
    directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(directory);

    shoot<ThermReadWindow>(
        "thermread",
        [](ThermReadWindow& w, BoardWindow&) {
            w.cmdStartConvert_Click();
            w.cmdRdTemp_Click();
        },
        true);
    shoot<ThermConfWindow>("thermconf", [](ThermConfWindow& w, BoardWindow&) {
        w.cmdRdTemp_Click();
        w.cmdRdConfig_Click();
    });
    shoot<AdcPanelWindow>("adcpanel", [](AdcPanelWindow& w, BoardWindow&) {
        w.Timer1_Timer();
        w.Timer1_Timer();
    });
    shoot<IoPanelWindow>("iopanel", [](IoPanelWindow& w, BoardWindow& b) {
        w.Option5(1)->click();
        // Something outside holds P1 of the second expander low.
        b.findChildren<QCheckBox*>(QStringLiteral("P1low")).value(1)->setChecked(true);
        w.Timer1_Timer();
        w.Timer2_Timer();
    });
    shoot<ShiftOutWindow>("shiftout", [](ShiftOutWindow& w, BoardWindow&) {
        w.cmdD_Click(15);
        w.cmdD_Click(0);
    });
    shoot<SerialOutWindow>("serialout", [](SerialOutWindow& w, BoardWindow&) { w.cmdD_Click(7); });
    shoot<LineProbeWindow>("lineprobe", [](LineProbeWindow& w, BoardWindow&) { w.Timer1_Timer(); });
    shootPortChoice(QStringLiteral("port-choice"));
    shootThermReadPlot();
    shootAdcPanelPlot();
    shootInGerman();
    return allWritten ? 0 : 1;
}
