// Draws every program's window on the virtual board, as it looks after a first use, into PNG
// files:   screenshots DIR
#include "AdcPanelWindow.h"
#include "Board.h"
#include "FormsStyle.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "ThermConfWindow.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

QString directory;
bool allWritten = true;

// Builds the program's board and window, opens it, lets `use` act on it, saves the picture.
template <class Window>
void shoot(const QString& name, const std::function<void(Window&)>& use)
{
    Board board;
    Window::buildVirtualBoard(board);
    Window window(MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }});
    window.Form_Load();
    use(window);
    window.show();
    QCoreApplication::processEvents();
    QString path = QDir(directory).filePath(name + ".png");
    bool ok = window.grab().save(path);
    allWritten &= ok;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormsStyle::apply(app);
    directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(directory);

    shoot<ThermReadWindow>("thermread", [](ThermReadWindow& w) { w.cmdRdTemp_Click(); });
    shoot<ThermConfWindow>("thermconf", [](ThermConfWindow& w) {
        w.cmdRdTemp_Click();
        w.cmdRdConfig_Click();
    });
    shoot<AdcPanelWindow>("adcpanel", [](AdcPanelWindow& w) {
        w.Timer1_Timer();
        w.Timer1_Timer();
    });
    shoot<IoPanelWindow>("iopanel", [](IoPanelWindow& w) {
        w.Option5(1)->click();
        w.Timer1_Timer();
        w.Timer2_Timer();
    });
    shoot<ShiftOutWindow>("shiftout", [](ShiftOutWindow& w) {
        w.cmdD_Click(15);
        w.cmdD_Click(0);
    });
    shoot<SerialOutWindow>("serialout", [](SerialOutWindow& w) { w.cmdD_Click(7); });
    shoot<LineProbeWindow>("lineprobe", [](LineProbeWindow& w) { w.Timer1_Timer(); });
    return allWritten ? 0 : 1;
}
