// Draws every window on the virtual board, as it looks after a first use, into PNG files:
//   screenshots DIR
#include "Board.h"
#include "FormsStyle.h"
#include "TemperatureSensor.h"
#include "ThermConfWindow.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include <cstdio>
#include <memory>

namespace {

MSComm::Setup onBoard(Board& board)
{
    return MSComm::Setup{[&board](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }};
}

bool save(QWidget& window, const QString& dir, const QString& name)
{
    window.show();
    QCoreApplication::processEvents();
    QString path = QDir(dir).filePath(name + ".png");
    bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormsStyle::apply(app);
    QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    bool ok = true;

    Board board;
    board.add<TwoWireBus>().add<TemperatureSensor>();

    ThermReadWindow thermread(onBoard(board));
    thermread.Form_Load();
    thermread.cmdRdTemp_Click();
    ok &= save(thermread, dir, "thermread");
    thermread.MSComm1.setPortOpen(false);

    ThermConfWindow thermconf(onBoard(board));
    thermconf.Form_Load();
    thermconf.cmdRdTemp_Click();
    thermconf.cmdRdConfig_Click();
    ok &= save(thermconf, dir, "thermconf");

    return ok ? 0 : 1;
}
