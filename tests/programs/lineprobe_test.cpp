#include "ColorNumber.h"
#include "LineProbeWindow.h"
#include "LiveProcess.h"
#include "ModalBoxCloser.h"
#include "ProgramTest.h"
#include "PtySerialDevice.h"
#include "Shape.h"
#include "StatusInputs.h"
#include "Twips.h"

#include <QLabel>
#include <QTimer>

#include <fstream>

using Lines = std::vector<std::string>;

namespace {

constexpr long Bright = 255, Dark = 128;

class LineProbe : public ProgramTest<LineProbeWindow> {
protected:
    // Top to bottom: CD, DSR, CTS.
    std::array<long, 3> lamps() const
    {
        return {window->Shape2->BackColor(), window->Shape3->BackColor(), window->Shape1->BackColor()};
    }

    StatusInputs& inputs = part<StatusInputs>();
};

TEST_F(LineProbe, AllLampsBrightUntilTheFirstTick)
{
    EXPECT_EQ(openedPorts, std::vector<int>{1});
    EXPECT_TRUE(window->MSComm1.PortOpen());
    EXPECT_EQ(lamps(), (std::array<long, 3>{Bright, Bright, Bright}));  // though CD is not asserted
    window->Timer1_Timer();
    // The board at power-on: CTS and DSR asserted, CD not.
    EXPECT_EQ(window->Shape1->BackColor(), Bright);
    EXPECT_EQ(window->Shape2->BackColor(), Dark);
    EXPECT_EQ(window->Shape3->BackColor(), Bright);
}

TEST_F(LineProbe, EachLampShowsItsOwnLineInEveryCombination)
{
    for (int combination = 0; combination < 8; ++combination) {
        bool cts = combination & 1, cd = combination & 2, dsr = combination & 4;
        inputs.setCts(cts);
        inputs.setCd(cd);
        inputs.setDsr(dsr);
        recorder.clear();
        window->Timer1_Timer();
        EXPECT_EQ(window->Shape1->BackColor(), cts ? Bright : Dark) << combination;
        EXPECT_EQ(window->Shape2->BackColor(), cd ? Bright : Dark) << combination;
        EXPECT_EQ(window->Shape3->BackColor(), dsr ? Bright : Dark) << combination;
        auto said = [](bool b) { return b ? "True" : "False"; };
        EXPECT_EQ(recorder.lines(), (Lines{std::string("CTSHolding -> ") + said(cts),
                                           std::string("CDHolding -> ") + said(cd),
                                           std::string("DSRHolding -> ") + said(dsr)}));
    }
}

TEST_F(LineProbe, LampsArePaintedInTheirColourNumbers)
{
    window->Timer1_Timer();
    auto centre = [](forms::Shape* s) { return s->grab().toImage().pixelColor(s->width() / 2, s->height() / 2); };
    EXPECT_EQ(centre(window->Shape2), QColor(128, 0, 0));
    EXPECT_EQ(centre(window->Shape1), QColor(255, 0, 0));
    // Outside the circle, in the control's corner, the window shows through.
    QImage cts = window->Shape1->grab().toImage();
    EXPECT_NE(cts.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(forms::colorOf(forms::rgb(192, 0, 0)), QColor(192, 0, 0));
    EXPECT_EQ(forms::rgb(192, 0, 0), 192);
}

TEST_F(LineProbe, TimerFollowsTheLinesTenTimesASecond)
{
    window->startTimers();  // as the runner does once Form_Load has returned
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 100);
    inputs.setCd(true);
    inputs.setCts(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return lamps() == std::array<long, 3>{Bright, Bright, Dark}; }, 2000));
    inputs.setCd(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Shape2->BackColor() == Dark; }, 2000));
}

TEST_F(LineProbe, Layout)
{
    EXPECT_EQ(window->windowTitle(), " Basic Input");
    EXPECT_EQ(window->size(), QSize(forms::pixels(3900), forms::pixels(2685)));
    EXPECT_EQ(window->Shape2->geometry(), forms::twipsRect(1005, 825, 255, 255));
    EXPECT_EQ(window->Shape3->geometry(), forms::twipsRect(990, 1320, 255, 255));
    EXPECT_EQ(window->Shape1->geometry(), forms::twipsRect(1005, 1785, 255, 255));
    for (forms::Shape* s : {window->Shape1, window->Shape2, window->Shape3}) {
        EXPECT_EQ(s->kind(), forms::Shape::Kind::Circle);
        EXPECT_EQ(s->BorderColor(), forms::rgb(192, 0, 0));
    }
    struct {
        QLabel* label;
        const char* text;
        forms::Shape* lamp;
    } rows[] = {{window->Label2, "DCD", window->Shape2}, {window->Label3, "DSR", window->Shape3},
                {window->Label1, "CTS", window->Shape1}};
    int lastTop = -1;
    for (auto& row : rows) {
        EXPECT_EQ(row.label->text(), row.text);
        EXPECT_GT(row.label->x(), row.lamp->geometry().right());  // to the right of its lamp
        EXPECT_LE(std::abs(row.label->y() - row.lamp->y()), 1);
        EXPECT_GT(row.lamp->y(), lastTop);  // top to bottom
        lastTop = row.lamp->y();
    }
    EXPECT_EQ(window->Label1->geometry(), forms::twipsRect(1350, 1785, 525, 285));
}

// On a device, through the real device layer: a pty whose status lines are emulated.
class LineProbeOnDevice : public ::testing::Test {
protected:
    ~LineProbeOnDevice() override { QCoreApplication::setApplicationName(appName); }

    QString appName = QCoreApplication::applicationName();
    bool named = (QCoreApplication::setApplicationName("lineprobe"), true);
    PtySerialDevice pty;
    PtyModemCalls& calls = pty.calls;
    LineProbeWindow window{pty.setup()};
};

TEST_F(LineProbeOnDevice, FollowsTheStatusLines)
{
    window.Form_Load();
    ASSERT_TRUE(window.MSComm1.PortOpen());
    struct {
        int bits;
        std::array<long, 3> cdDsrCts;
    } cases[] = {{TIOCM_CTS, {Dark, Dark, Bright}},
                 {TIOCM_CD, {Bright, Dark, Dark}},
                 {TIOCM_DSR, {Dark, Bright, Dark}},
                 {TIOCM_CTS | TIOCM_CD | TIOCM_DSR, {Bright, Bright, Bright}},
                 {0, {Dark, Dark, Dark}}};
    for (auto& c : cases) {
        calls.modemBits = TIOCM_DTR | TIOCM_RTS | c.bits;
        calls.reset();
        window.Timer1_Timer();
        EXPECT_EQ((std::array<long, 3>{window.Shape2->BackColor(), window.Shape3->BackColor(),
                                       window.Shape1->BackColor()}),
                  c.cdDsrCts)
            << c.bits;
        EXPECT_EQ(calls.calls["TIOCMGET"], 3);  // each line read at its own moment
        EXPECT_EQ(calls.total(), 3);
    }
}

TEST_F(LineProbeOnDevice, PortHeldByAnotherProgramIsReportedAndLeftClosed)
{
    LiveProcess holder;
    const std::string lock = PtySerialDevice::lockText(holder.pid());
    std::ofstream(pty.lockFile()) << lock;
    auto box = ModalBoxCloser::closeRaisedBy([&] { window.Form_Load(); });
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Port Is Use By Another Program");
    EXPECT_EQ(box->title, "lineprobe");
    EXPECT_EQ(box->icon, QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(window.isVisible());  // the box came before the window
    EXPECT_FALSE(window.MSComm1.PortOpen());
    EXPECT_EQ(calls.calls["open"], 0);
    EXPECT_EQ(pty.lockFileText(), lock);  // the other program's lock stays

    // The window comes up; a closed port reads every line as not asserted.
    window.show();
    window.Timer1_Timer();
    EXPECT_EQ(window.Shape1->BackColor(), Dark);
    EXPECT_EQ(window.Shape2->BackColor(), Dark);
    EXPECT_EQ(window.Shape3->BackColor(), Dark);
}

TEST_F(LineProbeOnDevice, OtherFailuresOfTheOpeningEndStartUp)
{
    for (int error : {ENOENT, EACCES}) {
        calls.openErrno = error;
        auto box = ModalBoxCloser::closeRaisedBy([&] {
            try {
                window.Form_Load();
                ADD_FAILURE() << "Form_Load went on after errno " << error;
            } catch (const CommError& e) {
                EXPECT_NE(e.kind(), CommError::Kind::HeldByAnother);
            }
        });
        EXPECT_FALSE(box) << error;
    }
}

} // namespace
