// The polling programs on a pseudo-terminal driven as a serial device through the device
// layer's seam, whose cable is pulled while they run.

#include "AdcPanelWindow.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "LineRecorder.h"
#include "ModalBoxCloser.h"
#include "PtySerialDevice.h"
#include "Shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The polling programs' windows on a device whose cable is pulled while they run: one report,
// then the component acts as with no port open (no kernel call reaches the device any more)
// until the port is opened again. The runner's part, the wait for the device to come back, is
// in app/lost_device_test and processes/process_test.
class LostDevice : public ::testing::Test {
protected:
    LostDevice() { first.calls.followHangup = second.calls.followHangup = true; }

    // COM1 is the first device, any other port the second.
    MSComm::Setup setup()
    {
        return MSComm::Setup{[this](int port, const LineSettings& s) { return (port == 1 ? first : second).open(s, port); },
                             recorder.trace()};
    }
    int callCount() const { return first.calls.total() + second.calls.total(); }
    void watch(MSComm& comm)
    {
        comm.setFailureHandler([this](const std::string& m) { reports.push_back(m); });
    }
    // Lets the window's own timers run for a while.
    void run(int ms) { QTest::qWait(ms); }
    void pull() { first.unplug(); }

    void expectOneReportThenClosed(MSComm& comm)
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !reports.empty(); }, 5000)) << "no report";
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_NE(reports[0].find("COM1 (" + first.device() + "): the device stopped answering"), std::string::npos)
            << reports[0];
        EXPECT_FALSE(comm.PortOpen());
        const int callsAfter = callCount();
        recorder.clear();
        run(400);
        EXPECT_EQ(reports.size(), 1u);            // no storm
        EXPECT_EQ(callCount(), callsAfter);     // nothing reaches the device
        EXPECT_GT(recorder.counts().reads, 0u);  // the ticks go on
        for (const std::string& line : recorder.lines())
            EXPECT_EQ(line.find("!!"), std::string::npos) << line;
    }

    PtySerialDevice first, second;
    LineRecorder recorder;
    std::vector<std::string> reports;
};

TEST_F(LostDevice, AdcPanelReportsOnceAndReadsAsClosed)
{
    AdcPanelWindow window(setup());
    watch(window.MSComm1);
    window.Form_Load();
    window.startTimers();
    // The pty answers nothing: every bit reads 1.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Text1->text() == "5"; }, 5000));
    EXPECT_EQ(window.Text4->text(), "5");
    pull();
    expectOneReportThenClosed(window.MSComm1);
    EXPECT_EQ(window.Text1->text(), "5");
}

TEST_F(LostDevice, LineProbeReportsOnceAndShowsTheLinesNotAsserted)
{
    first.calls.modemBits |= TIOCM_CTS;
    LineProbeWindow window(setup());
    watch(window.MSComm1);
    window.Form_Load();
    window.startTimers();
    // The lamps start bright; a tick shows DSR not asserted, CTS asserted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Shape3->BackColor() == LineProbeWindow::NotAsserted; }, 5000));
    EXPECT_EQ(window.Shape1->BackColor(), LineProbeWindow::Asserted);
    pull();
    expectOneReportThenClosed(window.MSComm1);
    EXPECT_EQ(window.Shape1->BackColor(), LineProbeWindow::NotAsserted);
    EXPECT_EQ(window.Shape3->BackColor(), LineProbeWindow::NotAsserted);
}

TEST_F(LostDevice, IoPanelReportsOnceAndAnotherPortCanBeChosen)
{
    ModalBoxCloser closer;
    IoPanelWindow window(setup());
    watch(window.MSComm1);
    window.Form_Load();
    window.startTimers();
    window.Option5(1)->click();
    ASSERT_TRUE(window.MSComm1.PortOpen());
    run(250);
    pull();
    expectOneReportThenClosed(window.MSComm1);
    EXPECT_FALSE(std::filesystem::exists(first.lockFile()));  // released with the port
    for (int i = 0; i < 8; ++i)  // a closed port reads all ones: every lamp lit
        EXPECT_TRUE(!window.Image1(i)->isHidden() && window.Image2(i)->isHidden()) << "lamp " << i;

    window.Option5(2)->click();
    ASSERT_TRUE(window.MSComm1.PortOpen());
    const int before = callCount();
    EXPECT_TRUE(QTest::qWaitFor([&] { return callCount() > before; }, 5000));  // the polls reach the new device
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(closer.count(), 0);
}

} // namespace
