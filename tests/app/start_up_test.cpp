// Start-up through the runner, as a user starts a program: no timer ticks before Form_Load has
// returned, nor behind a box that Form_Load shows. Runs the whole runner (its own application
// object) in this process.
#include "CommError.h"
#include "LineProbeWindow.h"
#include "LineRecorder.h"
#include "RunProgram.h"
#include "Programs.h"
#include "Shape.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>

namespace {

using RunProgram::FirstShow;

TEST(LineProbeStartUp, NoStatusReadBehindTheHeldPortBoxAndBrightLampsWhenTheWindowAppears)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    LineRecorder recorder;
    auto reads = [&recorder] {
        return recorder.counts().reads;
    };
    QString boxText;
    std::size_t readsBehindBox = 99, readsAtShow = 99;
    QPoint boxOffCentre(999, 999);
    std::array<long, 3> lampsAtShow{};

    Program lineprobe = program("lineprobe");
    lineprobe.createWindow = [&](MSComm::Setup) -> std::unique_ptr<FormWindow> {
        auto window = std::make_unique<LineProbeWindow>(MSComm::Setup{
            [](int, const LineSettings&) -> std::unique_ptr<SerialLines> {
                throw CommError(CommError::Kind::HeldByAnother, "COM1 (/dev/board-adapter): held by another program (PID 1)", 1);
            },
            recorder.trace()});
        LineProbeWindow* w = window.get();
        w->installEventFilter(new FirstShow(
            [&, w] {
                readsAtShow = reads();
                lampsAtShow = {w->Shape1->BackColor(), w->Shape2->BackColor(), w->Shape3->BackColor()};
                // Then until a tick has come, so that ticks are seen at all.
                auto* poll = new QTimer(w);
                QObject::connect(poll, &QTimer::timeout, [&] {
                    if (reads() >= 3)
                        QCoreApplication::exit(0);
                });
                poll->start(10);
            },
            w));
        // Three ticks' time behind the box, then OK.
        QTimer::singleShot(350, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxText = box->text();
            boxOffCentre = box->geometry().center() - box->screen()->availableGeometry().center();
            readsBehindBox = reads();
            box->button(QMessageBox::Ok)->click();
        });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });  // a hang fails, it does not block
        return window;
    };
    char name[] = "lineprobe";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(runProgram(1, argv, lineprobe), 0);

    EXPECT_EQ(boxText, "Port Is Use By Another Program");
    EXPECT_EQ(readsBehindBox, 0u);
    EXPECT_EQ(readsAtShow, 0u);
    EXPECT_EQ(lampsAtShow, (std::array<long, 3>{LineProbeWindow::Asserted, LineProbeWindow::Asserted, LineProbeWindow::Asserted}));
    // Before the window is shown, the box is centred on the screen, not on the window's unset place.
    EXPECT_LE(boxOffCentre.manhattanLength(), 2) << boxOffCentre.x() << "," << boxOffCentre.y();
}

} // namespace
