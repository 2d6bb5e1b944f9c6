// A device lost under a running program: every program without a port choice waits with its
// window up until it is closed. A cable pulled and plugged back: the whole runner on a pty whose
// modem lines reach a virtual board, opened by a link that goes with the device and comes back
// naming a new pty (as a by-id link does), or, under umockdev, a kernel name that udev
// announces again under another name on the same USB interface.
#include "FakeSysfs.h"  // first: before Qt's headers

#include "AdcPanelWindow.h"
#include "IoPanelWindow.h"
#include "ModalBoxCloser.h"
#include "Pcf8591Converter.h"
#include "Programs.h"
#include "PtyOnBoard.h"
#include "ScriptedLines.h"
#include "RunProgram.h"
#include "ShiftOutWindow.h"
#include "TemperatureSensor.h"
#include "ThermReadWindow.h"
#include "TwoWireBus.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

using RunProgram::runWith;
using RunProgram::Then;

class LostDevice : public ::testing::Test {
protected:
    LostDevice()
    {
        calls().followHangup = true;
        fs::create_symlink(first.device(), link);
    }

    // Every opening, of either pty, goes through the first one's kernel calls.
    PtyModemCalls& calls() { return first.calls; }
    int count(const char* call) { return calls().calls[call]; }

    // The kernel hangs the terminal up, and the device's link goes with it.
    void pull()
    {
        first.unplug();
        fs::remove(link);
    }
    // A new device behind the link, whose lines the opening finds low (as a real adapter's may
    // be), so that each line put back is a kernel call of its own.
    void plugBack()
    {
        calls().modemBits = 0;
        fs::create_symlink(second.device(), link);
    }

    template <class Window>
    int run(const char* name, std::function<void(Window&)> inspect, std::vector<std::string> more = {})
    {
        more.insert(more.begin(), "--com1=" + link);
        return runWith<Window>(program(name), more, inspect, Then::Wait, first.opener());
    }

    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 4000); }

    PtyOnBoard onBoard;
    Board& board = onBoard.board;
    PtySerialDevice& first = onBoard.pty;
    PtySerialDevice second;
    QTemporaryDir dir;
    std::string link = dir.filePath("board-cable").toStdString();
    ModalBoxCloser closer;  // none may come
};

// Read Temp finds the device gone: its descriptor is closed inside the click, the reading stays
// as it was (not a closed port's 255.5), the controls are disabled and nothing reaches a
// device. Back on the new one, DTR and RTS are put back with one kernel call each and the next
// Read Temp reads the board anew; closing then ends the program with status 0.
TEST_F(LostDevice, ThermReadWaitsThenCarriesOnOnTheDeviceBack)
{
    auto& sensor = board.add<TwoWireBus>().add<TemperatureSensor>();
    int status = run<ThermReadWindow>("thermread", [&](ThermReadWindow& w) {
        const QString caption = w.windowTitle();
        w.cmdRdTemp->click();
        ASSERT_EQ(w.txtTemp->text(), "25.5");
        pull();
        const int closes = count("close");
        w.cmdRdTemp->click();
        EXPECT_EQ(count("close"), closes + 1);
        QTest::qWait(50);
        EXPECT_EQ(w.txtTemp->text(), "25.5");
        EXPECT_EQ(w.windowTitle(), caption + " — COM1 lost, waiting for " + QString::fromStdString(link));
        EXPECT_FALSE(w.cmdRdTemp->isEnabled());
        EXPECT_FALSE(w.txtTemp->isEnabled());
        const int callsWhileLost = calls().total();
        QTest::qWait(1200);  // more than one look at the path
        EXPECT_EQ(calls().total(), callsWhileLost);

        const int raised = count("TIOCMBIS");
        sensor.setHalfDegrees(60);
        plugBack();
        ASSERT_TRUE(waitFor([&] { return w.windowTitle() == caption; }));
        EXPECT_EQ(count("TIOCMBIS"), raised + 2);
        EXPECT_EQ(calls().modemBits & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR | TIOCM_RTS);
        EXPECT_TRUE(w.cmdRdTemp->isEnabled());
        w.cmdRdTemp->click();
        EXPECT_EQ(w.txtTemp->text(), "30");
        w.close();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(closer.count(), 0);
}

// Under a German locale the window keeps its caption and the suite's words after it are German.
class GermanLocaleLostDevice : public LostDevice {};

TEST_F(GermanLocaleLostDevice, TheCaptionSaysInGermanWhatItWaitsFor)
{
    board.add<TwoWireBus>().add<TemperatureSensor>();
    int status = run<ThermReadWindow>("thermread", [&](ThermReadWindow& w) {
        const QString caption = w.windowTitle();
        pull();
        w.cmdRdTemp->click();
        EXPECT_EQ(w.windowTitle(), caption + " — COM1 getrennt, warte auf " + QString::fromStdString(link));
        w.close();
    });
    EXPECT_EQ(status, 1);  // ended while it waited
}

// The ticks stop while the device is gone, the four readings stay, and they start again on the
// device back, reading it.
TEST_F(LostDevice, AdcPanelsTicksStopAndResume)
{
    auto& converter = board.add<TwoWireBus>().add<Pcf8591Converter>();
    converter.setInput(0, 51);  // 1 V
    int status = run<AdcPanelWindow>("adcpanel", [&](AdcPanelWindow& w) {
        ASSERT_TRUE(waitFor([&] { return w.Text1->text() == "1"; }));
        pull();
        ASSERT_TRUE(waitFor([&] { return w.suspended(); }));
        QTest::qWait(50);
        const int callsWhileLost = calls().total();
        QTest::qWait(600);
        EXPECT_EQ(calls().total(), callsWhileLost);
        EXPECT_EQ(w.Text1->text(), "1");

        converter.setInput(0, 102);  // 2 V
        plugBack();
        ASSERT_TRUE(waitFor([&] { return !w.suspended(); }));
        EXPECT_TRUE(waitFor([&] { return w.Text1->text() == "2"; }));
        w.close();
    });
    EXPECT_EQ(status, 0);
}

// A click that finds the device gone still ends with TXD in break (D0 off); the device back
// gets the break put back, and DTR and RTS, and nothing else: no word is sent again.
TEST_F(LostDevice, ShiftoutsBreakLevelIsPutBack)
{
    int status = run<ShiftOutWindow>("shiftout", [&](ShiftOutWindow& w) {
        pull();
        w.cmdD(1)->click();
        ASSERT_TRUE(w.suspended());
        const int breaks = count("TIOCSBRK"), clears = count("TIOCCBRK"), raised = count("TIOCMBIS"),
                  dropped = count("TIOCMBIC");
        plugBack();
        ASSERT_TRUE(waitFor([&] { return !w.suspended(); }));
        EXPECT_EQ(count("TIOCSBRK"), breaks + 1);
        EXPECT_EQ(count("TIOCCBRK"), clears);
        EXPECT_EQ(count("TIOCMBIS"), raised + 2);
        EXPECT_EQ(count("TIOCMBIC"), dropped);
        EXPECT_EQ(w.cmdD(1)->text(), "ON");
        w.close();
    });
    EXPECT_EQ(status, 0);
}

// Between clicks nothing reaches the port, but the hang-up is seen: the port is closed and the
// window waits without a click; closed while it waits, the program ends with status 1.
TEST_F(LostDevice, AnIdleProgramSeesTheHangUp)
{
    board.add<TwoWireBus>().add<TemperatureSensor>();
    int status = run<ThermReadWindow>("thermread", [&](ThermReadWindow& w) {
        const int closes = count("close");
        pull();
        ASSERT_TRUE(waitFor([&] { return w.suspended(); }));
        EXPECT_EQ(count("close"), closes + 1);
        EXPECT_EQ(w.txtTemp->text(), "");
        w.close();
    });
    EXPECT_EQ(status, 1);
}

// iopanel waits with its COM buttons and Exit usable; choosing COM2 ends the wait on that port.
TEST_F(LostDevice, IoPanelsChoiceEndsTheWait)
{
    int status = run<IoPanelWindow>("iopanel", [&](IoPanelWindow& w) {
        const QString caption = w.windowTitle();
        w.Option5(1)->click();
        ASSERT_TRUE(w.MSComm1.PortOpen());
        pull();
        ASSERT_TRUE(waitFor([&] { return w.suspended(); }));
        EXPECT_EQ(w.windowTitle(), caption + " — COM1 lost, waiting for " + QString::fromStdString(link));
        EXPECT_FALSE(w.Option1(1)->isEnabled());
        EXPECT_TRUE(w.Option5(2)->isEnabled());
        EXPECT_TRUE(w.Command3->isEnabled());
        w.Option5(2)->click();
        EXPECT_TRUE(w.MSComm1.PortOpen());
        EXPECT_FALSE(w.suspended());
        EXPECT_EQ(w.windowTitle(), caption);
        EXPECT_TRUE(w.Option1(1)->isEnabled());
        const int before = calls().total();
        EXPECT_TRUE(waitFor([&] { return calls().total() > before; }));  // its polls reach COM2
        w.close();
    }, {"--com2=" + second.device()});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(closer.count(), 0);
}

// Under umockdev: COM1 is a kernel name on a USB interface; the adapter comes back, while the
// old name was still taken, as another name on the same interface, which udev announces.
TEST_F(LostDevice, FakeSysfsAdapterBackUnderAnotherKernelName)
{
    FakeSysfs sysfs;
    const std::string usb = sysfs.add("usb", "1-1", "", {"idVendor", "1a86", "idProduct", "7523"}, {"DEVTYPE", "usb_device"});
    const std::string usbInterface = sysfs.add("usb", "1-1:1.0", usb, {"bInterfaceNumber", "00"}, {"DEVTYPE", "usb_interface"});
    const std::string tty = sysfs.add("tty", "ttyboardusb0", usbInterface, {}, {"DEVNAME", "/dev/ttyboardusb0"});
    // Each node a link outside /dev, which umockdev would take for a device of its own.
    const std::string secondLink = dir.filePath("second").toStdString();
    fs::create_symlink(second.device(), secondLink);
    calls().nodes = {{"/dev/ttyboardusb0", link}, {"/dev/ttyboardusb1", secondLink}};
    DeviceOpener opener = first.opener();
    opener.sysfsRoot = "/sys";
    board.add<TwoWireBus>().add<TemperatureSensor>();

    int status = runWith<ThermReadWindow>(program("thermread"), {"--com1=/dev/ttyboardusb0"}, [&](ThermReadWindow& w) {
        const QString caption = w.windowTitle();
        first.unplug();
        sysfs.announce(tty, "remove");
        sysfs.remove(tty);
        w.cmdRdTemp->click();
        ASSERT_TRUE(w.suspended());
        EXPECT_EQ(w.windowTitle(), caption + " — COM1 lost, waiting for /dev/ttyboardusb0");
        QTest::qWait(50);
        sysfs.announce(sysfs.add("tty", "ttyboardusb1", usbInterface, {}, {"DEVNAME", "/dev/ttyboardusb1"}), "add");
        ASSERT_TRUE(waitFor([&] { return !w.suspended(); }));
        EXPECT_EQ(w.windowTitle(), caption);
        w.cmdRdTemp->click();
        EXPECT_EQ(w.txtTemp->text(), "25.5");
        w.close();
    }, Then::Wait, opener);
    EXPECT_EQ(status, 0);
}

// The program with its ports replaced: the first port opened fails at its first access, as an
// adapter pulled out does; any later one works.
Program onFailingDevice(Program p)
{
    auto create = p.createWindow;
    p.createWindow = [create](MSComm::Setup setup) {
        setup.opener = [opened = 0](int, const LineSettings&) mutable -> std::unique_ptr<SerialLines> {
            auto port = std::make_unique<ScriptedLines>();
            port->callsUntilFailure = opened++ == 0 ? 0 : -1;
            return port;
        };
        return create(std::move(setup));
    };
    return p;
}

// Every program without a port choice, on a device that never comes back: no box, its window
// stays up with its controls disabled and the loss in its caption, and closing it ends the
// program with status 1; whatever first reaches the port (a click on the two sensor programs,
// a tick, the start-up word) finds it failing.
TEST_F(LostDevice, EveryProgramWithoutAPortChoiceWaitsAndEndsWithStatus1WhenClosed)
{
    const QString gone = dir.filePath("pulled-adapter");
    for (const Program& p : programs()) {
        if (p.choosesPort)
            continue;
        SCOPED_TRACE(p.name.toStdString());
        QString waitingCaption;
        bool shown = false, anyEnabled = true;
        int status = runWith<FormWindow>(onFailingDevice(p), {"--com1=" + gone.toStdString()}, [&](FormWindow& w) {
            if (auto* sensor = dynamic_cast<ThermReadWindow*>(&w))
                sensor->cmdRdTemp->click();
            EXPECT_TRUE(QTest::qWaitFor([&] { return w.suspended(); }, 3000));
            QTest::qWait(300);  // for a box, which must not come
            waitingCaption = w.windowTitle();
            shown = w.isVisible();
            const QList<QWidget*> children = w.findChildren<QWidget*>();
            anyEnabled = std::any_of(children.begin(), children.end(), [](QWidget* c) { return c->isEnabled(); });
            w.close();
        }, Then::Wait);
        EXPECT_EQ(status, 1);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(anyEnabled);
        // The output programs lose it to their start-up word, before the window is shown.
        EXPECT_TRUE(waitingCaption.endsWith(" — COM1 lost, waiting for " + gone)) << waitingCaption.toStdString();
        EXPECT_EQ(waitingCaption.count(u'—'), 1) << waitingCaption.toStdString();
    }
    EXPECT_EQ(closer.count(), 0);
}

} // namespace
