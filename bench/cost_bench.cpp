// What every program's transactions cost. For each handler of each program, on a serial device
// (a pty with emulated modem lines, through PosixSerialPort): its component accesses, and the
// kernel calls of this device layer against the floor (one call per line change, per status
// read and per byte), against one call per access, and against a layer that reads the status
// before each set. Then the same accesses replayed on the program's virtual board, bare and
// through the component, in accesses per second. Prints Markdown tables.
//   cost_bench [seconds for each speed measurement, default 0.3]

#include "AdcPanelWindow.h"
#include "FormsStyle.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "LineRecorder.h"
#include "PosixSerialPort.h"
#include "Programs.h"
#include "PtyModemCalls.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "ThermConfWindow.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

namespace {

const LineSettings SerialSettings{57600, 'n', 8, 1};

// One component access, as its trace line gives it.
struct Access {
    enum Kind { Dtr, Rts, Break, Cd, Cts, Dsr, Output } kind;
    unsigned value;
};

struct Costs {
    std::size_t puts = 0, changes = 0, reads = 0, bytes = 0;
    int kernelCalls = 0;
    std::vector<Access> accesses;
};

// Follows the output levels through a trace; counts the accesses of the lines given.
class TraceCounter {
public:
    void follow(const std::vector<std::string>& lines, Costs* costs = nullptr)
    {
        static const std::map<std::string, Access::Kind> kinds{
            {"DTREnable", Access::Dtr},  {"RTSEnable", Access::Rts},  {"Break", Access::Break},
            {"CDHolding", Access::Cd},   {"CTSHolding", Access::Cts}, {"DSRHolding", Access::Dsr},
            {"Output", Access::Output}};
        for (const std::string& l : lines) {
            auto space = l.find(' ');
            auto it = kinds.find(l.substr(0, space));
            if (it == kinds.end())
                continue;
            const std::string value = l.substr(l.rfind(' ') + 1);
            Access a{it->second, 0};
            if (a.kind == Access::Output) {
                a.value = unsigned(std::strtoul(value.c_str(), nullptr, 16));
                if (costs)
                    ++costs->bytes;
            } else if (a.kind <= Access::Break) {
                a.value = value == "True";
                bool& level = levels_[a.kind];
                if (costs) {
                    ++costs->puts;
                    costs->changes += bool(a.value) != level;
                }
                level = a.value;
            } else if (costs) {
                ++costs->reads;
            }
            if (costs)
                costs->accesses.push_back(a);
        }
    }

private:
    bool levels_[3] = {true, true, false};  // DTR and RTS stand asserted when a port opens
};

struct Pty {
    Pty()
    {
        char name[128];
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            std::exit(1);
        }
        device = name;
        char dir[] = "/tmp/cost-bench-XXXXXX";
        if (!mkdtemp(dir)) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        lockDir = dir;
    }
    ~Pty()
    {
        ::close(master);
        ::close(slave);
        std::filesystem::remove_all(lockDir);
    }
    void drain()
    {
        pollfd p{master, POLLIN, 0};
        unsigned char buffer[256];
        while (::poll(&p, 1, 0) == 1 && (p.revents & POLLIN) && ::read(master, buffer, sizeof buffer) > 0) {
        }
    }
    int master = -1, slave = -1;
    std::string device, lockDir;
};

// A handler of a program: how to make its window, bring it to the state the handler runs in,
// and run it.
struct Handler {
    const char* program;
    const char* name;
    std::function<std::unique_ptr<FormWindow>(MSComm::Setup)> create;
    std::function<void(Board&)> buildBoard;
    std::function<void(FormWindow&)> prepare;  // after Form_Load
    std::function<void(FormWindow&)> before;   // before each run, not counted
    std::function<void(FormWindow&)> run;
};

template <class W>
W& as(FormWindow& w)
{
    return static_cast<W&>(w);
}

template <class W>
std::unique_ptr<FormWindow> make(MSComm::Setup s)
{
    return std::make_unique<W>(std::move(s));
}

void nothing(FormWindow&) {}

std::vector<Handler> handlers()
{
    auto stopAdc = [](FormWindow& w) { as<AdcPanelWindow>(w).Timer1->stop(); };
    auto ioOnCom1 = [](FormWindow& w) {
        auto& io = as<IoPanelWindow>(w);
        io.Timer1->stop();
        io.Timer2->stop();
        io.Option5(1)->click();
    };
    return {
        {"thermread", "Read Temp", make<ThermReadWindow>, programOf<ThermReadWindow>().buildBoard, nothing, nothing,
         [](FormWindow& w) { as<ThermReadWindow>(w).cmdRdTemp_Click(); }},
        {"thermread", "Start Convert", make<ThermReadWindow>, programOf<ThermReadWindow>().buildBoard, nothing, nothing,
         [](FormWindow& w) { as<ThermReadWindow>(w).cmdStartConvert_Click(); }},
        {"thermread", "Stop Convert", make<ThermReadWindow>, programOf<ThermReadWindow>().buildBoard, nothing, nothing,
         [](FormWindow& w) { as<ThermReadWindow>(w).cmdStopConvert_Click(); }},
        {"thermconf", "Read Config", make<ThermConfWindow>, programOf<ThermConfWindow>().buildBoard, nothing, nothing,
         [](FormWindow& w) { as<ThermConfWindow>(w).cmdRdConfig_Click(); }},
        {"thermconf", "Write Config", make<ThermConfWindow>, programOf<ThermConfWindow>().buildBoard,
         [](FormWindow& w) { as<ThermConfWindow>(w).txtConfig->setText(QStringLiteral("8C")); }, nothing,
         [](FormWindow& w) { as<ThermConfWindow>(w).cmdWrConfig_Click(); }},
        {"adcpanel", "reading tick", make<AdcPanelWindow>, programOf<AdcPanelWindow>().buildBoard, stopAdc, nothing,
         [](FormWindow& w) { as<AdcPanelWindow>(w).Timer1_Timer(); }},
        {"adcpanel", "output (one change)", make<AdcPanelWindow>, programOf<AdcPanelWindow>().buildBoard, stopAdc,
         [](FormWindow& w) { as<AdcPanelWindow>(w).Text5->setText(QStringLiteral("1")); },
         [](FormWindow& w) { as<AdcPanelWindow>(w).Text5->setText(QStringLiteral("2.5")); }},
        {"adcpanel", "clipped output (\"7\", nested run included)", make<AdcPanelWindow>,
         programOf<AdcPanelWindow>().buildBoard, stopAdc,
         [](FormWindow& w) { as<AdcPanelWindow>(w).Text5->setText(QStringLiteral("0")); },
         [](FormWindow& w) { as<AdcPanelWindow>(w).Text5->setText(QStringLiteral("7")); }},
        {"iopanel", "poll tick", make<IoPanelWindow>, programOf<IoPanelWindow>().buildBoard, ioOnCom1, nothing,
         [](FormWindow& w) { as<IoPanelWindow>(w).Timer1_Timer(); }},
        {"iopanel", "output click", make<IoPanelWindow>, programOf<IoPanelWindow>().buildBoard,
         [ioOnCom1](FormWindow& w) {
             ioOnCom1(w);
             as<IoPanelWindow>(w).Option1(1)->click();
         },
         nothing, [](FormWindow& w) { as<IoPanelWindow>(w).Command1(3)->click(); }},
        {"shiftout", "one word (a D button)", make<ShiftOutWindow>, programOf<ShiftOutWindow>().buildBoard, nothing,
         nothing, [](FormWindow& w) { as<ShiftOutWindow>(w).cmdD_Click(0); }},
        {"serialout", "one word (a D button)", make<SerialOutWindow>, programOf<SerialOutWindow>().buildBoard, nothing,
         nothing, [](FormWindow& w) { as<SerialOutWindow>(w).cmdD_Click(0); }},
        {"lineprobe", "tick", make<LineProbeWindow>, programOf<LineProbeWindow>().buildBoard,
         [](FormWindow& w) { as<LineProbeWindow>(w).Timer1->stop(); }, nothing,
         [](FormWindow& w) { as<LineProbeWindow>(w).Timer1_Timer(); }},
    };
}

// Runs the handler once to reach the levels a running program has, then once measured.
Costs measure(const Handler& h)
{
    Pty pty;
    LineRecorder recorder;
    PtyModemCalls calls;
    auto window = h.create(MSComm::Setup{[&](int port, const LineSettings& s) {
                                             return std::make_unique<PosixSerialPort>("COM" + std::to_string(port),
                                                                                      pty.device, s, calls, pty.lockDir);
                                         },
                                         recorder.trace()});
    window->Form_Load();
    h.prepare(*window);
    h.before(*window);
    h.run(*window);
    h.before(*window);
    pty.drain();
    TraceCounter counter;
    counter.follow(recorder.lines());
    recorder.clear();
    calls.reset();
    h.run(*window);
    Costs c;
    counter.follow(recorder.lines(), &c);
    c.kernelCalls = calls.total();
    pty.drain();
    return c;
}

[[gnu::noinline]] unsigned replayOnBoard(const std::vector<Access>& sequence, Board& board, int repetitions)
{
    unsigned sink = 0;
    for (int rep = 0; rep < repetitions; ++rep)
        for (const Access& a : sequence) {
            switch (a.kind) {
            case Access::Dtr: board.setDtr(a.value); break;
            case Access::Rts: board.setRts(a.value); break;
            case Access::Break: board.setBreak(a.value); break;
            case Access::Cd: sink += board.cd(); break;
            case Access::Cts: sink += board.cts(); break;
            case Access::Dsr: sink += board.dsr(); break;
            case Access::Output: board.receive(std::uint8_t(a.value), SerialSettings); break;
            }
        }
    return sink;
}

[[gnu::noinline]] unsigned replayOnComponent(const std::vector<Access>& sequence, MSComm& comm, int repetitions)
{
    unsigned sink = 0;
    for (int rep = 0; rep < repetitions; ++rep)
        for (const Access& a : sequence) {
            switch (a.kind) {
            case Access::Dtr: comm.setDTREnable(a.value); break;
            case Access::Rts: comm.setRTSEnable(a.value); break;
            case Access::Break: comm.setBreak(a.value); break;
            case Access::Cd: sink += comm.CDHolding(); break;
            case Access::Cts: sink += comm.CTSHolding(); break;
            case Access::Dsr: sink += comm.DSRHolding(); break;
            case Access::Output: {
                char byte = char(a.value);
                comm.setOutput(std::string_view(&byte, 1));
                break;
            }
            }
        }
    return sink;
}

template <class Replay>
double accessesPerSecond(std::size_t accessesPerRun, double seconds, Replay&& replay)
{
    using Clock = std::chrono::steady_clock;
    std::size_t done = 0;
    unsigned sink = 0;
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration<double>(seconds);
    Clock::time_point now;
    do {
        sink += replay(16);
        done += 16 * accessesPerRun;
        now = Clock::now();
    } while (now < until);
    if (sink == 0xFFFFFFFFu)
        std::puts("");
    return double(done) / std::chrono::duration<double>(now - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 0.3;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    FormsStyle::apply(app);

    std::vector<std::pair<Handler, Costs>> measured;
    for (const Handler& h : handlers())
        measured.emplace_back(h, measure(h));

    std::puts("Kernel calls per handler on a serial device (a pty with emulated modem lines, through PosixSerialPort):\n");
    std::puts("| program | handler | puts | line changes | reads | bytes | component accesses | floor: one per change, read and byte | one call per access | status read before each set | this device layer |");
    std::puts("|---|---|---|---|---|---|---|---|---|---|---|");
    for (const auto& [h, c] : measured) {
        std::size_t accesses = c.puts + c.reads + c.bytes;
        std::printf("| %s | %s | %zu | %zu | %zu | %zu | %zu | %zu | %zu | %zu | %d |\n", h.program, h.name, c.puts,
                    c.changes, c.reads, c.bytes, accesses, c.changes + c.reads + c.bytes, accesses,
                    2 * c.puts + c.reads + c.bytes, c.kernelCalls);
    }

    const int rounds = 5;
    std::printf("\nThe same accesses replayed on the program's virtual board, best of %d alternating rounds of %.2f s:\n\n",
                rounds, seconds);
    std::puts("| program | handler | accesses | bare board, accesses/s | through MSComm1, accesses/s | time per access, bare / through | extra time through the component |");
    std::puts("|---|---|---|---|---|---|---|");
    for (const auto& [h, c] : measured) {
        Board bare;
        h.buildBoard(bare);
        Board behind;
        h.buildBoard(behind);
        MSComm comm(MSComm::Setup{[&](int, const LineSettings& s) { return std::make_unique<VirtualPort>(behind, s); }});
        comm.setSettings(SerialSettings.text());
        comm.setPortOpen(true);
        double direct = 0, through = 0;
        for (int round = 0; round < rounds; ++round) {
            direct = std::max(direct, accessesPerSecond(c.accesses.size(), seconds / rounds,
                                                        [&](int n) { return replayOnBoard(c.accesses, bare, n); }));
            through = std::max(through, accessesPerSecond(c.accesses.size(), seconds / rounds,
                                                          [&](int n) { return replayOnComponent(c.accesses, comm, n); }));
        }
        std::printf("| %s | %s | %zu | %.3g | %.3g | %.1f ns / %.1f ns | %+.0f %% |\n", h.program, h.name,
                    c.accesses.size(), direct, through, 1e9 / direct, 1e9 / through, 100.0 * (direct / through - 1.0));
    }
    return 0;
}
