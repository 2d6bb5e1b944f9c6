#include "IoPanelWindow.h"
#include "LampPictures.h"
#include "MasterTransactions.h"
#include "ModalBoxCloser.h"
#include "Pcf8574Expander.h"
#include "ProgramTest.h"
#include "ScriptedLines.h"
#include "TabOrder.h"
#include "Twips.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

using Transactions = std::vector<std::string>;
using Lines = std::vector<std::string>;

namespace {

// The window on the I/O board (expanders at address pins 000 and 001). COM1 and COM2 lead to
// the board, other ports cannot be opened; `open` may be replaced by a test. Every message box
// is closed and kept.
class IoPanel : public ProgramTest<IoPanelWindow> {
protected:
    IoPanel()
    {
        QCoreApplication::setApplicationName(QStringLiteral("iopanel"));
        open = [toBoard = open](int port, const LineSettings& s) -> std::unique_ptr<SerialLines> {
            if (port == 1 || port == 2)
                return toBoard(port, s);
            throw CommError(CommError::Kind::NoSuchDevice,
                            "COM" + std::to_string(port) + " (/dev/board-port" + std::to_string(port) + "): no such device");
        };
    }
    // The polls run, as the runner starts them once Form_Load has returned.
    void SetUp() override
    {
        ProgramTest::SetUp();
        window->startTimers();
    }

    void stopPolls()
    {
        window->Timer1->stop();
        window->Timer2->stop();
        decoded.clear();
        recorder.clear();
    }

    // A click where a user clicks: on the indicator of an option or check box.
    static void click(QAbstractButton* control)
    {
        if (qobject_cast<QPushButton*>(control))
            QTest::mouseClick(control, Qt::LeftButton);
        else
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(7, control->height() / 2));
    }
    void choose(int n) { click(window->Option5(n)); }

    // The trace lines of the port choice alone.
    Lines portLines()
    {
        Lines out;
        for (const auto& l : recorder.lines())
            if (l.rfind("PortOpen", 0) == 0 || l.rfind("CommPort", 0) == 0)
                out.push_back(l);
        recorder.clear();
        return out;
    }

    std::string lamps(const forms::ControlArray<QLabel>& lit, const forms::ControlArray<QLabel>& unlit) const
    {
        std::string shown;  // D7 first, as the window shows them: 1 lit, 0 unlit, ? both or neither
        for (int i = 7; i >= 0; --i) {
            bool on = lit(i)->isVisible(), off = unlit(i)->isVisible();
            shown += on && !off ? '1' : off && !on ? '0' : '?';
        }
        return shown;
    }
    std::string panel1Lamps() const { return lamps(window->Image1, window->Image2); }
    std::string panel2Lamps() const { return lamps(window->Image3, window->Image4); }


    Pcf8574Expander& chip1 = part<Pcf8574Expander>(0);
    Pcf8574Expander& chip2 = part<Pcf8574Expander>(1);
    TwoWireBus& bus = part<TwoWireBus>();
    ModalBoxCloser closer;
    const std::vector<ModalBoxCloser::Box>& boxes = closer.boxes();
};

TEST_F(IoPanel, StartsWithNoPortAndBothPanelsInReadMode)
{
    EXPECT_TRUE(openedPorts.empty());
    EXPECT_FALSE(window->MSComm1.PortOpen());
    window->Option5.forEach([](int n, QRadioButton* b) { EXPECT_FALSE(b->isChecked()) << n; });
    EXPECT_EQ(window->Text1->text(), "0");
    EXPECT_EQ(window->Text2->text(), "0");
    EXPECT_EQ(window->Addr1, 0x41);
    EXPECT_EQ(window->Addr2, 0x43);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(window->Command1(i)->isEnabled()) << i;
        EXPECT_FALSE(window->Command2(i)->isEnabled()) << i;
    }
    EXPECT_EQ(panel1Lamps(), "00000000");
    EXPECT_EQ(panel2Lamps(), "00000000");
    EXPECT_TRUE(window->Option1(0)->isChecked());
    EXPECT_TRUE(window->Option2(0)->isChecked());
    EXPECT_TRUE(window->Option3(0)->isChecked());
    EXPECT_TRUE(window->Option4(0)->isChecked());
    window->Check1.forEach([](int k, QCheckBox* b) { EXPECT_FALSE(b->isChecked()) << k; });
    EXPECT_TRUE(window->Check2(1)->isChecked());
    EXPECT_FALSE(window->Check2(2)->isChecked());
    EXPECT_FALSE(window->Check2(3)->isChecked());
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 100);
    EXPECT_TRUE(window->Timer2->isActive());
    EXPECT_EQ(window->Timer2->interval(), 200);
}

TEST_F(IoPanel, PollsBothPanelsFromStartUpBeforeAnyPortIsOpen)
{
    auto polled = [this](const char* read) {
        Transactions t = masterTransactions(recorder.lines());
        return std::find(t.begin(), t.end(), read) != t.end();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return polled("S 41 R N FF N P") && polled("S 43 R N FF N P"); }));
    Transactions t = masterTransactions(recorder.lines());
    // Every poll is a write of FF to the write address, then a one-byte read; nothing else goes out.
    ASSERT_EQ(t.size() % 2, 0u);
    for (std::size_t i = 0; i < t.size(); i += 2) {
        bool panel1 = t[i] == "S 40 W N FF N P" && t[i + 1] == "S 41 R N FF N P";
        bool panel2 = t[i] == "S 42 W N FF N P" && t[i + 1] == "S 43 R N FF N P";
        EXPECT_TRUE(panel1 || panel2) << t[i] << " / " << t[i + 1];
    }
    EXPECT_TRUE(openedPorts.empty());
    EXPECT_TRUE(seen().empty());  // no port: the board saw nothing
    // With no port a read gives all ones.
    EXPECT_EQ(panel1Lamps(), "11111111");
    EXPECT_EQ(panel2Lamps(), "11111111");
    EXPECT_EQ(window->Text1->text(), "0");
    EXPECT_EQ(window->Text2->text(), "0");
}

TEST_F(IoPanel, ChoosingComOneOpensItAndThePollsReachTheChips)
{
    stopPolls();
    choose(1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(openedPorts, std::vector<int>{1});
    EXPECT_TRUE(window->MSComm1.PortOpen());
    chip1.setExternalLow(0x0F);
    chip2.setExternalLow(0x81);
    window->Timer1_Timer();
    window->Timer2_Timer();
    EXPECT_EQ(seen(), (Transactions{"S 40 W A FF A P", "S 41 R A F0 N P", "S 42 W A FF A P", "S 43 R A 7E N P"}));
    EXPECT_EQ(panel1Lamps(), "11110000");
    EXPECT_EQ(panel2Lamps(), "01111110");
    EXPECT_EQ(recorder.counts().puts, 2u * (61 + 61));
    EXPECT_TRUE(bus.scl());
    EXPECT_TRUE(bus.sda());
}

TEST_F(IoPanel, PortChoiceReleasesFirstAndAFailedChoiceLeavesNoPortOpen)
{
    int alive = 0;
    std::vector<int> aliveAtOpening;
    struct CountedLines : ScriptedLines {
        explicit CountedLines(int& alive) : alive_(alive) { ++alive_; }
        ~CountedLines() override { --alive_; }
        int& alive_;
    };
    open = [&](int port, const LineSettings&) -> std::unique_ptr<SerialLines> {
        aliveAtOpening.push_back(alive);
        if (port == 3)
            throw CommError(CommError::Kind::HeldByAnother, "COM3 (/dev/board-adapter2) is in use by process 4242", 4242);
        return std::make_unique<CountedLines>(alive);
    };
    recorder.clear();

    choose(1);
    EXPECT_EQ(portLines(), (Lines{"PortOpen -> False", "CommPort = 1", "PortOpen = True"}));
    EXPECT_EQ(alive, 1);

    choose(1);  // the button already selected: released and opened again
    EXPECT_EQ(portLines(), (Lines{"PortOpen -> True", "PortOpen = False", "CommPort = 1", "PortOpen = True"}));
    EXPECT_EQ(alive, 1);
    EXPECT_TRUE(boxes.empty());

    choose(3);
    Lines failed = portLines();
    ASSERT_EQ(failed.size(), 4u);
    EXPECT_EQ(Lines(failed.begin(), failed.begin() + 3), (Lines{"PortOpen -> True", "PortOpen = False", "CommPort = 3"}));
    EXPECT_EQ(failed[3].rfind("PortOpen = True !! COM3", 0), 0u) << failed[3];
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please Select Another Comport");
    EXPECT_EQ(boxes[0].title, "iopanel");
    EXPECT_EQ(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(boxes[0].detail.contains("in use by process 4242")) << boxes[0].detail.toStdString();
    EXPECT_FALSE(window->MSComm1.PortOpen());
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(window->MSComm1.commPort(), 3);
    EXPECT_TRUE(window->Option5(3)->isChecked());
    EXPECT_TRUE(window->Timer1->isActive());  // the polls go on
    EXPECT_TRUE(window->Timer2->isActive());
    recorder.clear();

    choose(2);
    EXPECT_EQ(portLines(), (Lines{"PortOpen -> False", "CommPort = 2", "PortOpen = True"}));
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(openedPorts, (std::vector<int>{1, 1, 3, 2}));  // COM1 was not taken back after the failure
    EXPECT_EQ(aliveAtOpening, (std::vector<int>{0, 0, 0, 0}));
    window->MSComm1.setPortOpen(false);  // before `alive` goes
    EXPECT_EQ(alive, 0);
}

// The box of a failed choice is part of its handler: no poll runs behind it, and each poll
// that fell due meanwhile comes once, after the handler has returned.
TEST_F(IoPanel, NoPollWhileTheBoxOfAFailedChoiceIsUp)
{
    Lines atShown, atClosing;
    closer.keepOpen(350, [&] { atShown = recorder.lines(); }, [&] { atClosing = recorder.lines(); });
    QElapsedTimer handler;
    handler.start();
    choose(3);
    ASSERT_GE(handler.elapsed(), 350);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(atClosing, atShown);
    // Only the handler's own accesses until then: the failed opening.
    EXPECT_EQ(atClosing.back().rfind("PortOpen = True !! COM3", 0), 0u) << atClosing.back();

    // What the handler left to run after it, before any tick of the timers' own.
    QCoreApplication::sendPostedEvents(window.get(), QEvent::MetaCall);
    Lines all = recorder.lines();
    ASSERT_GE(all.size(), atClosing.size());
    EXPECT_EQ(masterTransactions(Lines(all.begin() + std::ptrdiff_t(atClosing.size()), all.end())),
              (Transactions{"S 40 W N FF N P", "S 41 R N FF N P", "S 42 W N FF N P", "S 43 R N FF N P"}));
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->Timer2->isActive());
}

TEST_F(IoPanel, AddressBytesChangeBitByBit)
{
    stopPolls();
    click(window->Option4(1));
    EXPECT_EQ(window->Addr2, 0x73);
    EXPECT_EQ(window->Text2->text(), "73");
    click(window->Option4(0));
    EXPECT_EQ(window->Text2->text(), "43");

    click(window->Option1(1));
    EXPECT_EQ(window->Text1->text(), "40");
    click(window->Option2(1));
    EXPECT_EQ(window->Text1->text(), "70");
    click(window->Check1(3));
    EXPECT_EQ(window->Text1->text(), "78");
    click(window->Check1(3));
    EXPECT_EQ(window->Text1->text(), "70");
    click(window->Check1(3));
    click(window->Option1(0));
    EXPECT_EQ(window->Text1->text(), "79");
    click(window->Option1(1));
    EXPECT_EQ(window->Text1->text(), "78");
    click(window->Check1(1));
    click(window->Check1(2));
    EXPECT_EQ(window->Text1->text(), "7E");
    click(window->Option2(0));
    EXPECT_EQ(window->Addr1, 0x4E);
    EXPECT_EQ(window->Text1->text(), "4E");
    click(window->Option1(1));  // the item already selected: the same again
    EXPECT_EQ(window->Text1->text(), "4E");
    EXPECT_EQ(window->Addr2, 0x43);  // panel 2 untouched by panel 1

    // Settings go nowhere near the bus.
    EXPECT_TRUE(seen().empty());
    EXPECT_TRUE(masterTransactions(recorder.lines()).empty());
}

TEST_F(IoPanel, ModeSwitchesButtonsAndPollOnlyAndSendsNothing)
{
    choose(1);
    stopPolls();
    window->Timer1->start();
    click(window->Option1(1));
    EXPECT_FALSE(window->Timer1->isActive());
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(window->Command1(i)->isEnabled()) << i;
    EXPECT_FALSE(window->Command2(0)->isEnabled());
    click(window->Option1(0));
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_FALSE(window->Command1(7)->isEnabled());
    window->Timer1->stop();
    EXPECT_TRUE(seen().empty());
    EXPECT_EQ(panel1Lamps(), "00000000");  // lamps left as they were
}

TEST_F(IoPanel, OutputButtonTogglesItsPinFromThePinsAsRead)
{
    choose(1);
    stopPolls();
    click(window->Option1(1));
    click(window->Command1(3));
    EXPECT_EQ(seen(), (Transactions{"S 41 R A FF N P", "S 40 W A F7 A P"}));
    EXPECT_EQ(chip1.latch(), 0xF7);
    EXPECT_EQ(window->PortData1, 0xF7);
    EXPECT_EQ(panel1Lamps(), "11110111");
    EXPECT_EQ(panel2Lamps(), "00000000");
    click(window->Command1(3));
    EXPECT_EQ(seen().back(), "S 40 W A FF A P");
    EXPECT_EQ(seen()[2], "S 41 R A F7 N P");
    EXPECT_EQ(chip1.latch(), 0xFF);
    EXPECT_EQ(panel1Lamps(), "11111111");
    EXPECT_EQ(window->Text1->text(), "40");  // clicks do not touch the address text
    EXPECT_EQ(chip2.latch(), 0xFF);

    // A pin held low from outside is read as 0, and so written as 0 by a click of another button.
    chip1.setExternalLow(0x20);
    click(window->Command1(0));
    EXPECT_EQ(chip1.latch(), 0xDE);
    EXPECT_EQ(panel1Lamps(), "11011110");
    chip1.setExternalLow(0);
    click(window->Option1(0));
    window->Timer1_Timer();  // the poll writes FF, which lets the pin go
    EXPECT_EQ(chip1.latch(), 0xFF);
    EXPECT_EQ(panel1Lamps(), "11111111");
}

TEST_F(IoPanel, PanelTwoDrivesItsOwnChip)
{
    choose(2);
    stopPolls();
    click(window->Option3(1));
    EXPECT_EQ(window->Text2->text(), "42");
    click(window->Command2(7));
    EXPECT_EQ(seen(), (Transactions{"S 43 R A FF N P", "S 42 W A 7F A P"}));
    EXPECT_EQ(chip2.latch(), 0x7F);
    EXPECT_EQ(chip1.latch(), 0xFF);
    EXPECT_EQ(panel2Lamps(), "01111111");
    EXPECT_EQ(panel1Lamps(), "00000000");
}

TEST_F(IoPanel, NothingAnsweringReadsAllOnes)
{
    choose(1);
    stopPolls();
    chip1.setExternalLow(0xFF);  // at 0x40/0x41, which panel 1 no longer addresses
    click(window->Option2(1));
    window->Timer1_Timer();
    EXPECT_EQ(seen(), (Transactions{"S 70 W N FF N P", "S 71 R N FF N P"}));
    EXPECT_EQ(panel1Lamps(), "11111111");
}

TEST_F(IoPanel, TypedAddressTextHasNoEffectUntilTheNextSettingsChange)
{
    stopPolls();
    window->Text1->setFocus();
    QTest::keyClicks(window->Text1, "zz");
    EXPECT_EQ(window->Text1->text(), "0zz");
    EXPECT_EQ(window->Addr1, 0x41);
    window->Timer1_Timer();
    EXPECT_EQ(window->Text1->text(), "0zz");
    EXPECT_EQ(masterTransactions(recorder.lines()).back(), "S 41 R N FF N P");
    click(window->Check1(1));
    EXPECT_EQ(window->Text1->text(), "43");
}

TEST_F(IoPanel, LampsAreTwoPicturesAtOnePlace)
{
    QImage lit = litLampPicture().toImage();
    QImage unlit = unlitLampPicture().toImage();
    ASSERT_EQ(lit.size(), QSize(32, 32));
    ASSERT_EQ(unlit.size(), QSize(32, 32));
    QColor litCentre = lit.pixelColor(16, 16), unlitCentre = unlit.pixelColor(16, 16);
    EXPECT_GT(litCentre.red(), 200);
    EXPECT_LT(litCentre.green(), 120);
    EXPECT_LT(std::max({unlitCentre.red(), unlitCentre.green(), unlitCentre.blue()}), 110);
    // Rays: something drawn outside the bulb on the lit picture, nothing on the unlit one.
    int litRays = 0, unlitRays = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            double r = std::hypot(x + 0.5 - 16, y + 0.5 - 16);
            if (r > 12 && r < 16) {
                litRays += lit.pixelColor(x, y).alpha() > 128;
                unlitRays += unlit.pixelColor(x, y).alpha() > 0;
            }
        }
    EXPECT_GT(litRays, 16);
    EXPECT_EQ(unlitRays, 0);

    for (int i = 0; i < 8; ++i) {
        QRect place = forms::twipsRect(200 + 400 * (7 - i), 300, 480, 480);
        for (QLabel* lamp : {window->Image1(i), window->Image2(i), window->Image3(i), window->Image4(i)})
            EXPECT_EQ(lamp->geometry(), place) << i;
        EXPECT_EQ(window->Image1(i)->pixmap().toImage(), lit);
        EXPECT_EQ(window->Image4(i)->pixmap().toImage(), unlit);
        EXPECT_EQ(window->Command1(i)->geometry(), forms::twipsRect(300 + 400 * (7 - i), 900, 300, 555));
        EXPECT_EQ(window->Command1(i)->text(), QStringLiteral("D%1").arg(i));
        EXPECT_EQ(window->Command2(i)->text(), QStringLiteral("D%1").arg(i));
    }
    EXPECT_LT(window->Command1(7)->x(), window->Command1(0)->x());  // D7 leftmost
}

TEST_F(IoPanel, LayoutCaptionsAndTabOrder)
{
    EXPECT_EQ(window->windowTitle(), "I2C Bus Multi I/O Control");
    EXPECT_EQ(window->size(), QSize(467, 289));
    struct FrameCase {
        QGroupBox* frame;
        const char* title;
        QRect place;
    } frames[] = {{window->settingsFrame1, "PCF8574#1", forms::twipsRect(165, 150, 2775, 1650)},
                  {window->settingsFrame2, "PCF8574#2", forms::twipsRect(135, 1980, 2775, 1650)},
                  {window->addressFrame1, "Address", forms::twipsRect(90, 255, 720, 1335)},
                  {window->chipFrame1, "Chip", forms::twipsRect(900, 255, 1770, 855)},
                  {window->modeFrame1, "Read/Write", forms::twipsRect(900, 1080, 1770, 510)},
                  {window->lampsFrame1, "PCF8574 #1", forms::twipsRect(3135, 150, 3585, 1650)},
                  {window->lampsFrame2, "PCF8574 #2", forms::twipsRect(3120, 1980, 3585, 1665)},
                  {window->comportFrame, "SET Comport", forms::twipsRect(150, 3660, 3465, 600)}};
    for (const FrameCase& f : frames) {
        EXPECT_EQ(f.frame->title(), f.title);
        EXPECT_EQ(f.frame->geometry(), f.place) << f.title;
    }
    EXPECT_EQ(window->Text1->geometry(), forms::twipsRect(2055, 90, 810, 315));
    EXPECT_EQ(window->Text2->geometry(), forms::twipsRect(2085, 1935, 705, 315));
    EXPECT_EQ(window->Check1(1)->text(), "A0");
    EXPECT_EQ(window->Check1(3)->text(), "A2");
    EXPECT_EQ(window->Check1(2)->geometry(), forms::twipsRect(90, 570, 525, 225));
    EXPECT_EQ(window->Check2(3)->geometry(), forms::twipsRect(90, 855, 525, 225));
    EXPECT_EQ(window->Option2(1)->text(), "PCF8574A");
    EXPECT_EQ(window->Option4(0)->geometry(), forms::twipsRect(165, 210, 1035, 225));
    EXPECT_EQ(window->Option3(1)->text(), "Write");
    EXPECT_EQ(window->Option1(1)->geometry(), forms::twipsRect(975, 180, 750, 255));
    EXPECT_EQ(window->Option5(1)->text(), "COM1");
    EXPECT_EQ(window->Option5(4)->text(), "COM4");
    EXPECT_EQ(window->Option5(3)->geometry(), forms::twipsRect(1780, 280, 855, 210));
    EXPECT_EQ(window->Command3->text(), "E&xit");
    EXPECT_EQ(window->Command3->geometry(), forms::twipsRect(5640, 3795, 1095, 420));
    // The address boxes of each panel lie over their settings frame's top right corner.
    EXPECT_TRUE(window->settingsFrame1->geometry().contains(window->Text1->geometry().bottomRight()));
    EXPECT_TRUE(window->settingsFrame2->geometry().contains(window->Text2->geometry().bottomRight()));

    std::vector<QWidget*> order;
    auto add = [&order](const auto& array) { array.forEach([&order](int, QWidget* w) { order.push_back(w); }); };
    add(window->Option1);
    add(window->Option2);
    add(window->Check1);
    add(window->Option3);
    add(window->Option4);
    add(window->Check2);
    add(window->Command1);
    add(window->Command2);
    order.insert(order.end(), {window->Command3, window->Text1, window->Text2});
    add(window->Option5);
    ASSERT_EQ(order.size(), 37u);
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(TabOrder::next(order[i], TabOrder::Stops::Any), order[i + 1]) << i;
}

TEST_F(IoPanel, AltXEndsTheProgram)
{
    choose(1);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTimer::singleShot(0, [this] { QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier); });
    QTimer giveUp;  // in case it does not end; goes with the test
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    giveUp.start(5000);
    // The program's event loop ends when its one window closes.
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(IoPanel, ExitButtonClosesTheWindowInAnyState)
{
    stopPolls();
    click(window->Option1(1));
    click(window->Command3);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(IoPanel, PollsDoNotPileUp)
{
    choose(1);
    QTest::qWait(0);
    decoded.clear();
    QTest::qSleep(1100);  // eleven and five intervals with no event handled
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(seen().begin(), seen().end(), "S 41 R A FF N P"), 1);
    EXPECT_EQ(std::count(seen().begin(), seen().end(), "S 43 R A FF N P"), 1);
    EXPECT_EQ(seen().size(), 4u);
}

} // namespace
