// Draws every program's window on the virtual board, as it looks after a first use, and the
// board's own window beside it, into PNG files:   screenshots DIR
//   <program>.png, boards-<program>.png, thermread-with-board.png (the two side by side),
//   waveform-<program>.png (the bus monitor and the waveform pane beside it), and
//   port-choice.png, the question a program asks when its COM1 finds no device.
#include "AdcPanelWindow.h"
#include "Board.h"
#include "BoardWindow.h"
#include "FormsStyle.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "PortChoiceDialog.h"
#include "Programs.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "ThermConfWindow.h"
#include "VirtualPort.h"
#include "WaveformPane.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPainter>
#include <QRadioButton>

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

// As a laptop without a built-in serial port shows it, with one USB adapter plugged in.
void shootPortChoice()
{
    const PortAssignments ports = PortAssignments::load({}, [](const QString&) {});
    DeviceFacts adapter{"/dev/ttyUSB0", "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0", "ch341-uart", "1a86", "7523", "USB Serial"};
    PortChoiceDialog dialog(QStringLiteral("COM1 stands for /dev/ttyS0, which was not found on this computer: there is no such "
                                           "device, or no serial port behind it. Which device is the board's cable plugged into?"),
                            {1}, ports, PortChoiceDialog::Offer::FirstPresent, [adapter] { return std::vector<DeviceFacts>{adapter}; });
    dialog.setWindowTitle(QStringLiteral("thermread"));
    dialog.resize(560, dialog.sizeHint().height());
    dialog.show();
    QApplication::processEvents();
    save(dialog.grab(), "port-choice");
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
    shootPortChoice();
    return allWritten ? 0 : 1;
}
