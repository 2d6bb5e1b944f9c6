// Cost of the two-wire transactions: component accesses and kernel calls per transaction on a
// serial device, and accesses per second through the component against the bare virtual board.
// Prints a Markdown table. Usage: bus_bench [seconds per speed run, default 1]

#include "Board.h"
#include "I2CSboard.h"
#include "LineRecorder.h"
#include "MSComm.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"
#include "TemperatureSensor.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <pty.h>
#include <unistd.h>
#include <vector>

using namespace I2CSboard;

namespace {

void readTemp()
{
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(0xAA);
    GetAck();
    I2CStart();
    WriteByte(0x91);
    GetAck();
    ReadByte();
    SendZero();
    ReadByte();
    ClockPulse();
    I2CStop();
}

void command(std::uint8_t c)
{
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(c);
    GetAck();
    I2CStop();
}

void readConfig()
{
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(0xAC);
    GetAck();
    I2CStart();
    WriteByte(0x91);
    GetAck();
    ReadByte();
    ClockPulse();
    I2CStop();
}

struct Transaction {
    const char* name;
    std::function<void()> run;
};

struct Costs {
    std::size_t puts = 0, reads = 0;
    int kernelCalls = 0;
};

Costs measure(const Transaction& t, const std::string& device, const std::string& lockDir)
{
    LineRecorder recorder;
    PtyModemCalls calls;
    MSComm comm(MSComm::Setup{[&](int, const LineSettings& s) {
                                  return std::make_unique<PosixSerialPort>("COM1", device, s, calls, lockDir);
                              },
                              recorder.trace()});
    comm.setPortOpen(true);
    useComponent(&comm);
    t.run();  // from the idle levels a first transaction leaves, as in a running program
    recorder.clear();
    calls.reset();
    t.run();
    useComponent(nullptr);
    Costs c;
    c.puts = recorder.count("RTSEnable") + recorder.count("DTREnable");
    c.reads = recorder.count("CDHolding");
    c.kernelCalls = calls.total();
    return c;
}

// One access of a recorded transaction, replayed through the component or onto the board.
struct Access {
    enum Kind { Dtr, Rts, Cd } kind;
    bool level;
};

std::vector<Access> record(const Transaction& t)
{
    struct Recorder : SerialLines {
        std::vector<Access>* out;
        Board* board;
        void setDtr(bool v) override { out->push_back({Access::Dtr, v}); board->setDtr(v); }
        void setRts(bool v) override { out->push_back({Access::Rts, v}); board->setRts(v); }
        void setBreak(bool) override {}
        bool cd() override { out->push_back({Access::Cd, false}); return board->cd(); }
        bool cts() override { return false; }
        bool dsr() override { return false; }
        void write(std::uint8_t) override {}
    };
    std::vector<Access> accesses;
    Board board;
    board.add<TwoWireBus>().add<TemperatureSensor>();
    MSComm comm(MSComm::Setup{[&](int, const LineSettings&) {
        auto r = std::make_unique<Recorder>();
        r->out = &accesses;
        r->board = &board;
        return r;
    }});
    comm.setPortOpen(true);
    useComponent(&comm);
    t.run();
    useComponent(nullptr);
    return accesses;
}

template <class Step>
double accessesPerSecond(const std::vector<Access>& sequence, double seconds, Step&& step)
{
    using Clock = std::chrono::steady_clock;
    std::size_t done = 0;
    unsigned sink = 0;
    auto start = Clock::now();
    auto until = start + std::chrono::duration<double>(seconds);
    Clock::time_point now;
    do {
        for (int rep = 0; rep < 64; ++rep)
            for (const Access& a : sequence)
                sink += step(a);
        done += 64 * sequence.size();
        now = Clock::now();
    } while (now < until);
    if (sink == 0xFFFFFFFFu)
        std::puts("");
    return double(done) / std::chrono::duration<double>(now - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
    int master = -1, slave = -1;
    char name[128];
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    char dir[] = "/tmp/bus-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        return 1;
    }

    const Transaction transactions[] = {
        {"Read Temp", readTemp},
        {"Start Convert", [] { command(0xEE); }},
        {"Stop Convert", [] { command(0x22); }},
        {"Read Config", readConfig},
    };

    std::puts("Kernel calls per transaction on a serial device (a pty with emulated modem lines):\n");
    std::puts("| transaction | puts | reads | component accesses | one call per access | status read before each set | this device layer |");
    std::puts("|---|---|---|---|---|---|---|");
    for (const Transaction& t : transactions) {
        Costs c = measure(t, name, dir);
        std::printf("| %s | %zu | %zu | %zu | %zu | %zu | %d |\n", t.name, c.puts, c.reads, c.puts + c.reads,
                    c.puts + c.reads, 2 * c.puts + c.reads, c.kernelCalls);
    }

    std::vector<Access> sequence = record(transactions[0]);
    Board bare;
    bare.add<TwoWireBus>().add<TemperatureSensor>();
    double direct = accessesPerSecond(sequence, seconds, [&](const Access& a) -> unsigned {
        switch (a.kind) {
        case Access::Dtr: bare.setDtr(a.level); return 0;
        case Access::Rts: bare.setRts(a.level); return 0;
        default: return bare.cd();
        }
    });
    Board behind;
    behind.add<TwoWireBus>().add<TemperatureSensor>();
    MSComm MSComm1(MSComm::Setup{[&](int, const LineSettings& s) { return std::make_unique<VirtualPort>(behind, s); }});
    MSComm1.setPortOpen(true);
    double through = accessesPerSecond(sequence, seconds, [&](const Access& a) -> unsigned {
        switch (a.kind) {
        case Access::Dtr: MSComm1.setDTREnable(a.level); return 0;
        case Access::Rts: MSComm1.setRTSEnable(a.level); return 0;
        default: return MSComm1.CDHolding();
        }
    });

    std::printf("\nAccesses per second, Read Temp replayed for %.1f s each:\n\n", seconds);
    std::puts("| path | accesses per second | overhead |");
    std::puts("|---|---|---|");
    std::printf("| bare virtual board | %.3g | |\n", direct);
    std::printf("| MSComm1 on the virtual board | %.3g | %+.1f %% |\n", through, 100.0 * (direct / through - 1.0));

    ::close(master);
    ::close(slave);
    std::filesystem::remove_all(dir);
    return 0;
}
