// What every program's handlers cost. For each handler of each program, on a serial device (a
// pty with emulated modem lines, through PosixSerialPort): its component accesses, and the
// kernel calls of this device layer against the floor (one call per line change, per status
// read and per byte), against one call per access, and against a layer that reads the status
// before each set; and the time the handler's accesses would take on a USB adapter at 1 ms a
// transfer, live or cached with the default settle, from the adapter model on a simulated clock.
// Then the same accesses replayed on the program's virtual board: bare, through its port, and
// through the component. Prints Markdown tables.
//   cost_bench [SECONDS of timing per handler, default 0.3]
//   cost_bench --fixed N   Read Temp replayed N times on each path, for bench/instructions.sh

#include "AdapterDriver.h"
#include "AdcPanelWindow.h"
#include "Bench.h"
#include "BusProbe.h"
#include "CachedStatusAdapter.h"
#include "Experiments.h"
#include "FormsStyle.h"
#include "HexText.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "LineRecorder.h"
#include "Programs.h"
#include "PtySerialDevice.h"
#include "SerialOutWindow.h"
#include "SettledLines.h"
#include "ShiftOutWindow.h"
#include "SimulatedClock.h"
#include "StatusLag.h"
#include "ThermConfWindow.h"
#include "TraceCounter.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>
#include <map>

using bench::Access;

namespace {

// What a handler asked of the component, and the kernel calls it made, by kind.
struct Costs {
    TraceCounter::Counts counts;
    std::map<std::string, int> calls;
    std::vector<Access> before;  // every access from the window's creation to the counted run

    int kernelCalls() const
    {
        int n = 0;
        for (const auto& [kind, count] : calls)
            n += count;
        return n;
    }
};

// A handler of a program: how to bring its window to the state the handler runs in (`prepare`
// once after Form_Load, `before` before each run, neither counted), and the handler. With no
// handler, what is counted is Form_Load itself, less the calls of opening the port.
struct Handler {
    const Program* program;
    std::string name;
    std::function<void(FormWindow&)> run, before, prepare;
};

template <class W>
Handler on(std::string name, std::function<void(W&)> run, std::function<void(W&)> before = {},
           std::function<void(W&)> prepare = {})
{
    auto untyped = [](std::function<void(W&)> f) -> std::function<void(FormWindow&)> {
        if (!f)
            return [](FormWindow&) {};
        return [f](FormWindow& w) { f(static_cast<W&>(w)); };
    };
    return {&programOf<W>(), std::move(name), run ? untyped(run) : nullptr, untyped(before), untyped(prepare)};
}

void sendWord(OutputPanelWindow& w, std::uint16_t word)
{
    w.txtOutH->setText(forms::hexByteText(std::uint8_t(word >> 8)));
    w.txtOutL->setText(forms::hexByteText(std::uint8_t(word)));
    w.cmdOut_Click();
}

std::vector<Handler> handlers()
{
    auto stopAdc = [](AdcPanelWindow& w) { w.Timer1->stop(); };
    auto text5 = [](const char* text) { return [text](AdcPanelWindow& w) { w.Text5->setText(QString::fromLatin1(text)); }; };
    auto ioOnCom1 = [](IoPanelWindow& w) {
        w.Timer1->stop();
        w.Timer2->stop();
        w.Option5(1)->click();
    };
    auto word = [](std::uint16_t x) { return [x](ShiftOutWindow& w) { sendWord(w, x); }; };
    std::vector<Handler> all{
        on<ThermReadWindow>("Read Temp", &ThermReadWindow::cmdRdTemp_Click),
        on<ThermReadWindow>("Start Convert", &ThermReadWindow::cmdStartConvert_Click),
        on<ThermReadWindow>("Stop Convert", &ThermReadWindow::cmdStopConvert_Click),
        on<ThermConfWindow>("Read Config", &ThermConfWindow::cmdRdConfig_Click),
        on<ThermConfWindow>("Write Config", &ThermConfWindow::cmdWrConfig_Click, {},
                            [](ThermConfWindow& w) { w.txtConfig->setText(QStringLiteral("8C")); }),
        on<AdcPanelWindow>("reading tick", &AdcPanelWindow::Timer1_Timer, {}, stopAdc),
        on<AdcPanelWindow>("output 2.5 after 1 (one change)", text5("2.5"), text5("1"), stopAdc),
        on<AdcPanelWindow>("output 1 after 2.5 (one change)", text5("1"), text5("2.5"), stopAdc),
        on<AdcPanelWindow>("clipped output (\"7\", nested run included)", text5("7"), text5("0"), stopAdc),
        on<IoPanelWindow>("poll tick", &IoPanelWindow::Timer1_Timer, {}, ioOnCom1),
        on<IoPanelWindow>("output click", [](IoPanelWindow& w) { w.Command1(3)->click(); }, {},
                          [ioOnCom1](IoPanelWindow& w) {
                              ioOnCom1(w);
                              w.Option1(1)->click();  // Write mode
                          }),
        on<ShiftOutWindow>("start-up: word 0000 (Form_Load, after opening)", {}),
        on<ShiftOutWindow>("one word (a D button)", [](ShiftOutWindow& w) { w.cmdD_Click(0); }),
    };
    // shiftout: only line changes reach the kernel, so a word costs what differs from the last.
    const std::uint16_t words[][2] = {{0x0000, 0x0000}, {0x8000, 0x0000}, {0x8001, 0x8000}, {0xFFFF, 0x8001},
                                      {0x0001, 0xFFFF}, {0x5555, 0x0001}, {0xAAAA, 0x5555}};
    for (auto [w, after] : words) {
        char name[40];
        std::snprintf(name, sizeof name, "word %04X after %04X", w, after);
        all.push_back(on<ShiftOutWindow>(name, word(w), word(after)));
    }
    all.push_back(on<SerialOutWindow>("one word (a D button)", [](SerialOutWindow& w) { w.cmdD_Click(0); }));
    all.push_back(on<LineProbeWindow>("tick", &LineProbeWindow::Timer1_Timer, {},
                                      [](LineProbeWindow& w) { w.Timer1->stop(); }));
    return all;
}

// Runs the handler once to reach the levels a running program has, then once counted.
Costs measure(const Handler& h)
{
    PtySerialDevice pty;
    LineRecorder recorder;
    TraceCounter counter;
    auto window = h.program->createWindow(pty.setup(recorder.trace()));
    auto counted = [&](const std::function<void()>& step) {
        pty.drain();
        std::vector<Access> before = counter.count(recorder.lines()).accesses;
        recorder.clear();
        pty.calls.reset();
        step();
        Costs c{counter.count(recorder.lines()), pty.calls.calls, std::move(before)};
        pty.drain();
        return c;
    };
    if (!h.run) {
        Costs c = counted([&] { window->Form_Load(); });
        for (const char* opening : {"open", "flock", "TIOCEXCL", "fcntl", "tcgetattr", "tcsetattr"})
            c.calls.erase(opening);
        if (--c.calls["TIOCMGET"] == 0)  // the levels, read once on opening
            c.calls.erase("TIOCMGET");
        return c;
    }
    window->Form_Load();
    h.prepare(*window);
    h.before(*window);
    h.run(*window);
    h.before(*window);
    return counted([&] { h.run(*window); });
}

std::string byKind(const std::map<std::string, int>& calls)
{
    std::string text;
    for (const auto& [kind, count] : calls)
        text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + kind;
    return text;
}

// A program's board three times over: bare, behind a port, and behind MSComm1 on a port.
struct Paths {
    explicit Paths(const Program& program)
    {
        program.buildBoard(bare);
        program.buildBoard(ported);
        program.buildBoard(behind);
        comm.setSettings(bench::replaySettings.text());
        comm.setPortOpen(true);
    }
    Board bare, ported, behind;
    VirtualPort port{ported, bench::replaySettings};
    MSComm comm{MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(behind, s); }}};
};

volatile unsigned sink;  // what the replays read, so that no read is left out

// A model, not a measurement: the time a handler's accesses take on a USB adapter whose every
// transfer takes 1 ms, on the simulated clock of the adapter model. Live, every line change and
// every status read is a transfer; cached, a line change is a transfer and a read answers at
// once from the adapter's copy, after the settle a cached driver gets by default. Bytes go to the
// kernel's buffer and cost nothing here. What came before the handler is replayed first, untimed,
// so that the handler starts from the levels it had when its calls were counted.
double msOnAdapter(const Program& program, const Costs& costs, bool cached,
                   std::chrono::microseconds settle = AdapterDriver::defaultSettle("ch341-uart"))
{
    using namespace std::chrono_literals;
    Board board;
    program.buildBoard(board);
    SimulatedClock clock;
    const CachedStatusAdapter::Timing timing = cached ? CachedStatusAdapter::Timing{1ms, 1ms, 0us}
                                                      : CachedStatusAdapter::Timing{0us, 1ms, 1ms};
    std::unique_ptr<SerialLines> port =
        std::make_unique<CachedStatusAdapter>(std::make_unique<VirtualPort>(board, bench::replaySettings), clock, timing);
    if (cached)
        port = std::make_unique<SettledLines>(std::move(port), settle, clock);
    sink = sink + bench::replayOnPort(costs.before, *port, 1);
    const auto start = clock.now();
    sink = sink + bench::replayOnPort(costs.counts.accesses, *port, 1);
    return std::chrono::duration<double, std::milli>(clock.now() - start).count();
}

// The settle that the check of the bus offers for the cached model (lag 1 ms), measured on the
// model as the check measures a real adapter.
std::chrono::microseconds measuredSettle()
{
    using namespace std::chrono_literals;
    Board board;
    experiments::sensorBoard(board);
    SimulatedClock clock;
    CachedStatusAdapter adapter(std::make_unique<VirtualPort>(board, bench::replaySettings), clock, {1ms, 1ms, 0us},
                                PortLines{true, true, false});
    BusProbe probe(adapter, clock, 0us);
    probe.checkDataLine();
    return StatusLag(probe.lags(20)).settle();
}

} // namespace

int main(int argc, char** argv)
{
    const bench::Options options = bench::options(argc, argv, 0.3);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    FormsStyle::apply(app);
    const std::vector<Handler> all = handlers();

    if (options.fixed > 0) {
        const std::vector<Access> readTemp = measure(all.front()).counts.accesses;
        Paths paths(*all.front().program);
        sink = bench::replayOnBoard(readTemp, paths.bare, options.fixed) +
               bench::replayOnPort(readTemp, paths.port, options.fixed) +
               bench::replayOnComponent(readTemp, paths.comm, options.fixed);
        std::printf("accesses per path: %zu\n", std::size_t(options.fixed) * readTemp.size());
        return 0;
    }

    std::vector<Costs> measured;
    for (const Handler& h : all)
        measured.push_back(measure(h));

    const std::chrono::microseconds settle = measuredSettle();
    std::puts("Kernel calls per handler on a serial device (a pty with emulated modem lines, through PosixSerialPort), "
              "and the time on a USB adapter at 1 ms a transfer (a model from the calls and the settle's waits):\n");
    std::fputs("| program | handler | puts | line changes | reads | bytes | component accesses | floor: one per change, read and byte | one call per access | status read before each set | this device layer | its calls by kind | adapter, live | adapter, cached, default settle |", stdout);
    std::printf(" adapter, cached, measured settle (%lld µs for a lag of 1 ms) |\n", static_cast<long long>(settle.count()));
    std::puts("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|");
    for (std::size_t i = 0; i < all.size(); ++i) {
        const TraceCounter::Counts& c = measured[i].counts;
        const double live = msOnAdapter(*all[i].program, measured[i], false);
        const double cached = msOnAdapter(*all[i].program, measured[i], true);
        const double measuredCached = msOnAdapter(*all[i].program, measured[i], true, settle);
        // Live, the model's transfers are the counted line changes and reads.
        if (live != double(c.changes + c.reads))
            std::fprintf(stderr, "%s %s: the adapter model made %.0f transfers, not %zu\n",
                         qPrintable(all[i].program->name), all[i].name.c_str(), live, c.changes + c.reads);
        std::printf("| %s | %s | %zu | %zu | %zu | %zu | %zu | %zu | %zu | %zu | %d | %s | %.0f ms | %.0f ms | %.0f ms |\n",
                    qPrintable(all[i].program->name), all[i].name.c_str(), c.puts, c.changes, c.reads, c.bytes,
                    c.accesses.size(), c.changes + c.reads + c.bytes, c.accesses.size(), 2 * c.puts + c.reads + c.bytes,
                    measured[i].kernelCalls(), byKind(measured[i].calls).c_str(), live, cached, measuredCached);
    }

    const int rounds = 5;
    std::printf("\nThe same accesses replayed on the program's virtual board, time per access, best of %d rounds "
                "taking turns, %.2f s a handler:\n\n",
                rounds, options.seconds);
    std::puts("| program | handler | accesses | bare board | through its port | through MSComm1 | MSComm1 against the port |");
    std::puts("|---|---|---|---|---|---|---|");
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::vector<Access>& sequence = measured[i].counts.accesses;
        if (sequence.empty())
            continue;
        Paths paths(*all[i].program);
        auto timed = [&](auto replay) {
            return [&, replay] {
                return bench::perSecond(options.seconds / rounds / 3, [&] {
                    sink = sink + replay(16);
                    return 16 * sequence.size();
                });
            };
        };
        const std::vector<double> rate = bench::bestOf(
            rounds, {timed([&](int n) { return bench::replayOnBoard(sequence, paths.bare, n); }),
                     timed([&](int n) { return bench::replayOnPort(sequence, paths.port, n); }),
                     timed([&](int n) { return bench::replayOnComponent(sequence, paths.comm, n); })});
        std::printf("| %s | %s | %zu | %.1f ns | %.1f ns | %.1f ns | %+.0f %% |\n", qPrintable(all[i].program->name),
                    all[i].name.c_str(), sequence.size(), 1e9 / rate[0], 1e9 / rate[1], 1e9 / rate[2],
                    100.0 * (rate[1] / rate[2] - 1.0));
    }
    return 0;
}
