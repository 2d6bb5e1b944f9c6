// What the virtual board's window costs the bus: accesses per second of Read Temp transactions
// through MSComm1 on the virtual board, with no board window, with the window open (its monitor
// decoding every transaction, its panels refreshed every 33 ms), and with --bus-log writing to a
// file as well. The transactions run in 5 ms handlers with the event loop between them, as a
// program's handlers do. Prints a Markdown table.
//   boardwin_bench [SECONDS, default 2]
//   boardwin_bench --fixed REPETITIONS   (a fixed amount of work for bench/boardwin_instructions.sh)
//   boardwin_bench --memory   (the heap the window holds with its monitor full, and after more)

#include "Bench.h"
#include "BoardWindow.h"
#include "Experiments.h"
#include "FormsStyle.h"
#include "I2CSboard.h"
#include "LineRecorder.h"
#include "MSComm.h"
#include "SensorTransactions.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <tuple>
#include <unistd.h>
#include <memory>
#include <string>

using namespace I2CSboard;
using Clock = std::chrono::steady_clock;

namespace {

// A sensor board behind MSComm1, with or without its window (and its bus log).
struct Setup {
    enum Window { None, Open, OpenWithLog };

    explicit Setup(Window window, const QString& logPath = {}, Trace* trace = nullptr)
        : comm(MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); },
                             trace})
    {
        experiments::sensorBoard(board);
        if (window != None) {
            boardWindow = std::make_unique<BoardWindow>(board, Clock::now());
            boardWindow->show();
            std::string error;
            if (window == OpenWithLog && !boardWindow->monitor().openLog(logPath.toStdString(), error)) {
                std::fprintf(stderr, "boardwin_bench: %s\n", error.c_str());
                std::exit(1);
            }
        }
        comm.setPortOpen(true);
    }

    Board board;
    std::unique_ptr<BoardWindow> boardWindow;
    MSComm comm;
    ComponentScope busScope{comm};
};

long accessesPerReadTemp()
{
    LineRecorder recorder;
    Setup s(Setup::None, {}, recorder.trace());
    recorder.clear();
    sensorBus::readTemperature();
    return long(recorder.counts().accesses.size());
}

[[gnu::noinline]] void readTempsWithoutWindow(Setup& s, int repetitions)
{
    if (s.boardWindow)
        return;
    for (int i = 0; i < repetitions; ++i)
        sensorBus::readTemperature();
}

[[gnu::noinline]] void readTempsWithWindow(Setup& s, int repetitions)
{
    if (!s.boardWindow)
        return;
    for (int i = 0; i < repetitions; ++i)
        sensorBus::readTemperature();
}

[[gnu::noinline]] void idleRefreshes(BoardWindow& w, int repetitions)
{
    for (int i = 0; i < repetitions; ++i)
        w.refresh();
}

// A 5 ms handler of back-to-back Read Temps, then the event loop: how many it made.
long readTempHandler()
{
    const auto end = Clock::now() + std::chrono::milliseconds(5);
    long done = 0;
    do {
        for (int i = 0; i < 16; ++i)
            sensorBus::readTemperature();
        done += 16;
    } while (Clock::now() < end);
    QCoreApplication::processEvents();
    return done;
}

// Bytes of heap in use.
long long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return (long long)(info.uordblks + info.hblkhd);
}

// The heap the board window gains with its monitor full of Read Temps (each line with the
// capture of its changes for the waveform), against the same number of lines of the same text
// without captures, as the monitor held before it kept them; then whether it stays put.
int memory()
{
    const std::string text = "S 90 W A AA A Sr 91 R A 19 A 80 N P";
    long long withCaptures = 0, linesOnly = 0;
    std::vector<std::tuple<std::size_t, long long, long>> later;
    long residentFull = 0;
    {
        Setup s(Setup::Open);
        s.boardWindow->refresh();
        const long long before = heapInUse();
        for (std::size_t i = 0; i < BusMonitor::Kept; ++i) {
            sensorBus::readTemperature();
            if (i % 100 == 99)
                s.boardWindow->refresh();  // as the window's timer takes them
        }
        s.boardWindow->refresh();
        withCaptures = heapInUse() - before;
        residentFull = bench::residentKiB();
        // Transactions of two lengths taking turns, as adcpanel's write and read do.
        for (std::size_t i = 1; i <= 32 * BusMonitor::Kept; ++i) {
            if (i % 2)
                sensorBus::readTemperature();
            else
                sensorBus::sendCommand(0x22);
            if (i % 100 == 0)
                s.boardWindow->refresh();
            if (i % (8 * BusMonitor::Kept) == 0)
                later.emplace_back(i, heapInUse() - before, bench::residentKiB() - residentFull);
        }
    }
    {
        Setup s(Setup::Open);
        s.boardWindow->refresh();
        const long long before = heapInUse();
        for (std::size_t i = 0; i < BusMonitor::Kept; ++i) {
            s.boardWindow->monitor().note(text);
            if (i % 100 == 99)
                s.boardWindow->refresh();
        }
        s.boardWindow->refresh();
        linesOnly = heapInUse() - before;
    }
    auto kib = [](long long bytes) { return double(bytes) / 1024.0; };
    std::printf("| board window, monitor full (%zu lines) | heap gained |\n|---|---|\n", BusMonitor::Kept);
    std::printf("| lines of Read Temps, each with its capture | %.0f KiB |\n", kib(withCaptures));
    std::printf("| the same lines' text alone | %.0f KiB |\n", kib(linesOnly));
    std::printf("| the captures | %.0f KiB (%.0f bytes a line) |\n", kib(withCaptures - linesOnly),
                double(withCaptures - linesOnly) / double(BusMonitor::Kept));
    for (auto [more, heap, resident] : later)
        std::printf("| after %zu more lines (Read Temps and Stop Converts by turns) | %.0f KiB (resident memory %+ld KiB since full) |\n",
                    more, kib(heap), resident);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const bench::Options options = bench::options(argc, argv, 2.0);
    QApplication app(argc, argv);
    FormsStyle::apply(app);
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0)
        return memory();
    QTemporaryDir dir;
    const QString logPath = QDir(dir.path()).filePath("bus.log");
    const long perReadTemp = accessesPerReadTemp();

    if (options.fixed > 0) {
        {
            Setup bare(Setup::None);
            readTempsWithoutWindow(bare, options.fixed);
        }
        Setup open(Setup::Open);
        readTempsWithWindow(open, options.fixed);
        open.boardWindow->refresh();
        idleRefreshes(*open.boardWindow, options.fixed);
        std::printf("accesses per path: %ld\nrefreshes: %d\n", long(options.fixed) * perReadTemp, options.fixed);
        return 0;
    }

    const int rounds = 5;
    std::vector<std::function<double()>> measurements;
    for (int w = Setup::None; w <= Setup::OpenWithLog; ++w)
        measurements.push_back([&, w] {
            Setup s(Setup::Window(w), logPath);
            return bench::perSecond(options.seconds / rounds / 3, readTempHandler);
        });
    const std::vector<double> best = bench::bestOf(rounds, measurements);
    std::printf("Read Temp (%ld accesses) through MSComm1 on the virtual board, 5 ms handlers with the event loop "
                "between them, best of %d rounds taking turns in %.1f s:\n\n",
                perReadTemp, rounds, options.seconds);
    std::puts("| board window | accesses per second | Read Temps per second | time per access | against no window |");
    std::puts("|---|---|---|---|---|");
    const char* names[] = {"none", "open (monitor, panels refreshed every 33 ms)", "open, with --bus-log to a file"};
    for (int w = Setup::None; w <= Setup::OpenWithLog; ++w) {
        const double accesses = best[w] * double(perReadTemp);
        std::printf("| %s | %.3g | %.3g | %.1f ns | ", names[w], accesses, best[w], 1e9 / accesses);
        std::printf(w == Setup::None ? "|\n" : "%+.1f %% |\n", 100.0 * (best[0] / best[w] - 1.0));
    }
    return 0;
}
