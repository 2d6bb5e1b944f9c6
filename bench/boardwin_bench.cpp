// What the virtual board's window costs the bus: accesses per second of Read Temp transactions
// through MSComm1 on the virtual board, with no board window, with the window open (its monitor
// decoding every transaction, its panels refreshed every 33 ms), and with --bus-log writing to a
// file as well. The transactions run in 5 ms handlers with the event loop between them, as a
// program's handlers do. Prints a Markdown table.
//   boardwin_bench [SECONDS, default 2]
//   boardwin_bench --fixed REPETITIONS   (a fixed amount of work for bench/boardwin_instructions.sh)

#include "SensorTransactions.h"
#include "Board.h"
#include "BoardWindow.h"
#include "FormsStyle.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "TemperatureSensor.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using namespace I2CSboard;
using Clock = std::chrono::steady_clock;

namespace {

// Counts the accesses that reach the port.
class CountingLines : public SerialLines {
public:
    explicit CountingLines(Board& board) : port_(board, LineSettings{}) {}
    void setDtr(bool a) override { ++count, port_.setDtr(a); }
    void setRts(bool a) override { ++count, port_.setRts(a); }
    void setBreak(bool on) override { ++count, port_.setBreak(on); }
    bool cd() override { return ++count, port_.cd(); }
    bool cts() override { return ++count, port_.cts(); }
    bool dsr() override { return ++count, port_.dsr(); }
    void write(std::uint8_t b) override { ++count, port_.write(b); }
    long count = 0;

private:
    VirtualPort port_;
};

long accessesPerReadTemp()
{
    Board board;
    board.add<TwoWireBus>().add<TemperatureSensor>();
    CountingLines* counter = nullptr;
    MSComm comm(MSComm::Setup{[&](int, const LineSettings&) {
        auto lines = std::make_unique<CountingLines>(board);
        counter = lines.get();
        return lines;
    }});
    comm.setPortOpen(true);
    ComponentScope busScope(comm);
    counter->count = 0;
    sensorBus::readTemperature();
    return counter->count;
}

// A sensor board behind MSComm1, with or without its window (and its bus log).
struct Setup {
    enum Window { None, Open, OpenWithLog };

    Setup(Window window, const QString& logPath)
    {
        board.add<TwoWireBus>().add<TemperatureSensor>();
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
    MSComm comm{MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }}};
    ComponentScope busScope{comm};
};

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

// Transactions per second: 5 ms handlers of back-to-back Read Temps, the event loop between.
// `setup` is what runs behind MSComm1 meanwhile.
double readTempsPerSecond(Setup& setup, double seconds)
{
    (void)setup;
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    long done = 0;
    Clock::time_point now;
    do {
        const auto sliceEnd = Clock::now() + std::chrono::milliseconds(5);
        do {
            for (int i = 0; i < 16; ++i)
                sensorBus::readTemperature();
            done += 16;
        } while (Clock::now() < sliceEnd);
        QCoreApplication::processEvents();
        now = Clock::now();
    } while (now < until);
    return double(done) / std::chrono::duration<double>(now - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    double seconds = 2.0;
    int fixed = 0;
    if (argc > 2 && std::string(argv[1]) == "--fixed")
        fixed = std::atoi(argv[2]);
    else if (argc > 1)
        seconds = std::atof(argv[1]);
    QApplication app(argc, argv);
    FormsStyle::apply(app);
    QTemporaryDir dir;
    const QString logPath = QDir(dir.path()).filePath("bus.log");
    const long perReadTemp = accessesPerReadTemp();

    if (fixed > 0) {
        {
            Setup bare(Setup::None, logPath);
            readTempsWithoutWindow(bare, fixed);
        }
        Setup open(Setup::Open, logPath);
        readTempsWithWindow(open, fixed);
        open.boardWindow->refresh();
        idleRefreshes(*open.boardWindow, fixed);
        std::printf("accesses per path: %ld\nrefreshes: %d\n", long(fixed) * perReadTemp, fixed);
        return 0;
    }

    // Alternating rounds, best of each: other load on the machine slows a round, never speeds it.
    const int rounds = 5;
    double best[3] = {0, 0, 0};
    for (int round = 0; round < rounds; ++round)
        for (int w = Setup::None; w <= Setup::OpenWithLog; ++w) {
            Setup s(Setup::Window(w), logPath);
            best[w] = std::max(best[w], readTempsPerSecond(s, seconds / rounds / 3));
        }
    std::printf("Read Temp (%ld accesses) through MSComm1 on the virtual board, 5 ms handlers with the event loop "
                "between them, best of %d alternating rounds in %.1f s:\n\n",
                perReadTemp, rounds, seconds);
    std::puts("| board window | accesses per second | Read Temps per second | time per access | against no window |");
    std::puts("|---|---|---|---|---|");
    const char* names[] = {"none", "open (monitor, panels refreshed every 33 ms)", "open, with --bus-log to a file"};
    for (int w = Setup::None; w <= Setup::OpenWithLog; ++w) {
        const double accesses = best[w] * double(perReadTemp);
        std::printf("| %s | %.3g | %.3g | %.1f ns | %s |\n", names[w], accesses, best[w], 1e9 / accesses,
                    w == Setup::None ? "" : qPrintable(QStringLiteral("%1 %").arg(100.0 * (best[0] / best[w] - 1.0), 0, 'f', 1).prepend(u'+')));
    }
    return 0;
}
