// The four two-wire programs behind a USB adapter whose driver answers status reads from a copy
// that lags the lines (CH340, PL2303, ttyACM), modelled on a simulated clock: a line change is a
// 1 ms transfer, and the status reported is the lines as they were 1 ms earlier. Without a
// settle, every sample after a clock edge shows SDA from before it, so each program shows wrong
// values; with the default settle of such a driver it shows exactly what the board holds. On a
// live adapter (no lag) no settle is needed. The check of the bus measures the model's lag, and
// the settle it offers makes every program read right. No real time passes.

#include "AdapterDriver.h"
#include "AdcPanelWindow.h"
#include "BusProbe.h"
#include "CachedStatusAdapter.h"
#include "Experiments.h"
#include "IoPanelWindow.h"
#include "Pcf8574Expander.h"
#include "Pcf8591Converter.h"
#include "ProgramOnBoard.h"
#include "SettledLines.h"
#include "SimulatedClock.h"
#include "StatusLag.h"
#include "ThermConfWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace std::chrono_literals;

namespace {

struct Adapter {
    CachedStatusAdapter::Timing timing;
    std::optional<std::chrono::microseconds> settle;  // none: the port is not wrapped
};

// One handler of a two-wire program: what it shows after running once on its board behind
// `adapter`, and what it must show (the board's values as the window writes them).
struct TwoWireHandler {
    QString program;
    std::string expected;
    std::function<std::string(const Adapter& adapter)> shown;
};

template <class Window>
TwoWireHandler handler(std::string expected, std::function<void(ProgramOnBoard<Window>&)> setBoard,
                       std::function<std::string(Window&)> run)
{
    auto shown = [setBoard, run](const Adapter& adapter) {
        ProgramOnBoard<Window> p;
        SimulatedClock clock;
        if (setBoard)
            setBoard(p);
        p.open = [&p, &clock, adapter](int, const LineSettings& s) -> std::unique_ptr<SerialLines> {
            // A port raises DTR and RTS as it opens.
            auto port = std::make_unique<CachedStatusAdapter>(std::make_unique<VirtualPort>(p.board, s), clock,
                                                              adapter.timing, PortLines{true, true, false});
            if (!adapter.settle)
                return port;
            return std::make_unique<SettledLines>(std::move(port), *adapter.settle, clock);
        };
        p.load();
        return run(*p.window);
    };
    return {programOf<Window>().name, std::move(expected), shown};
}

std::vector<TwoWireHandler> handlers()
{
    return {
        handler<ThermReadWindow>("25.5", {},
                                 [](ThermReadWindow& w) {
                                     w.cmdRdTemp_Click();
                                     return w.txtTemp->text().toStdString();
                                 }),
        handler<ThermConfWindow>("8C", {},
                                 [](ThermConfWindow& w) {
                                     w.cmdRdConfig_Click();
                                     return w.txtConfig->text().toStdString();
                                 }),
        // 51 steps a volt.
        handler<AdcPanelWindow>("1 2 3 4",
                                [](ProgramOnBoard<AdcPanelWindow>& p) {
                                    for (int channel = 0; channel < 4; ++channel)
                                        p.template part<Pcf8591Converter>().setInput(channel, std::uint8_t(51 * (channel + 1)));
                                },
                                [](AdcPanelWindow& w) {
                                    // The converter gives its previous conversion first: the
                                    // first tick after power-on shows its initial one (2.5 V).
                                    w.Timer1_Timer();
                                    w.Timer1_Timer();
                                    return (w.Text1->text() + ' ' + w.Text2->text() + ' ' + w.Text3->text() + ' ' +
                                            w.Text4->text())
                                        .toStdString();
                                }),
        // Panel 1 reads the PCF8574 with its address pins at 0; pins P1, P3, P4 and P6 held low.
        handler<IoPanelWindow>("10100101",
                               [](ProgramOnBoard<IoPanelWindow>& p) { p.template part<Pcf8574Expander>().setExternalLow(0x5A); },
                               [](IoPanelWindow& w) {
                                   w.Option5(1)->click();
                                   w.Timer1_Timer();
                                   std::string lamps;  // P7 first
                                   for (int i = 7; i >= 0; --i)
                                       lamps += w.Image1(i)->isVisible() && !w.Image2(i)->isVisible() ? '1' : '0';
                                   return lamps;
                               }),
    };
}

TEST(CachedAdapter, TwoWireProgramsReadWrongWithoutTheSettleAndRightWithIt)
{
    const auto settle = AdapterDriver::defaultSettle("ch341-uart");
    ASSERT_GT(settle, 0us);
    const Adapter live{{0us, 1ms, 1ms}, std::nullopt};
    const Adapter cached{{1ms, 1ms, 0us}, std::nullopt};
    const Adapter settled{{1ms, 1ms, 0us}, settle};
    for (const TwoWireHandler& h : handlers()) {
        SCOPED_TRACE(h.program.toStdString());
        EXPECT_EQ(h.shown(live), h.expected);
        EXPECT_NE(h.shown(cached), h.expected);
        EXPECT_EQ(h.shown(settled), h.expected);
    }
}

// Each lag as the check measures it on the model, and whether the settle it offers is enough.
TEST(CachedAdapter, TheCheckMeasuresTheLagWithinAFrameAndItsSettleReadsRight)
{
    for (const auto lag : {1000us, 2000us, 2500us, 5000us}) {
        SCOPED_TRACE(lag.count());
        Board board;
        experiments::sensorBoard(board);
        SimulatedClock clock;
        CachedStatusAdapter adapter(std::make_unique<VirtualPort>(board, LineSettings{}), clock, {lag, 1ms, 0us},
                                    PortLines{true, true, false});
        BusProbe probe(adapter, clock, 0us);
        ASSERT_TRUE(probe.checkDataLine().follows());
        const StatusLag measured(probe.lags(20));
        EXPECT_EQ(measured.count(), 20);
        EXPECT_LE(measured.least(), measured.most());
        EXPECT_LE(std::chrono::abs(measured.most() - lag), StatusLag::Frame);
        EXPECT_LE(std::chrono::abs(measured.least() - lag), StatusLag::Frame);
        const Adapter settled{{lag, 1ms, 0us}, measured.settle()};
        for (const TwoWireHandler& h : handlers())
            EXPECT_EQ(h.shown(settled), h.expected) << h.program.toStdString();
    }
}

} // namespace
