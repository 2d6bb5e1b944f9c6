#pragma once

// What only the benchmarks need: their command line, the best of alternating timed rounds, and
// a recorded sequence of component accesses replayed on a board, on its port or through MSComm.

#include "Board.h"
#include "LineSettings.h"
#include "MSComm.h"
#include "SerialLines.h"
#include "TraceCounter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <unistd.h>

namespace bench {

// `PROGRAM [SECONDS]` measures for about SECONDS; `PROGRAM --fixed N` does a fixed amount of
// work, N repetitions, for instruction counts under callgrind (the same on every run).
struct Options {
    double seconds;
    int fixed = 0;
};

inline Options options(int argc, char** argv, double defaultSeconds)
{
    if (argc > 2 && std::string_view(argv[1]) == "--fixed")
        return {0, std::max(1, std::atoi(argv[2]))};
    return {argc > 1 ? std::atof(argv[1]) : defaultSeconds};
}

// Runs `batch`, which returns how much it did, until `seconds` have passed: how much a second.
template <class Batch>
double perSecond(double seconds, Batch&& batch)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    double done = 0;
    Clock::time_point now;
    do {
        done += double(batch());
        now = Clock::now();
    } while (now < until);
    return done / std::chrono::duration<double>(now - start).count();
}

// The best rate of each measurement over `rounds` rounds that take turns: other load on the
// machine slows a round, never speeds it.
inline std::vector<double> bestOf(int rounds, const std::vector<std::function<double()>>& measurements)
{
    std::vector<double> best(measurements.size(), 0.0);
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < measurements.size(); ++i)
            best[i] = std::max(best[i], measurements[i]());
    return best;
}

using Access = TraceCounter::Access;

// Resident memory in KiB.
inline long residentKiB()
{
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The serial settings of replayed bytes.
inline const LineSettings replaySettings{57600, 'n', 8, 1};

// The component's properties, under the names of a port's, so that one replay serves every path.
struct ComponentCalls {
    MSComm& comm;
    void setDtr(bool v) { comm.setDTREnable(v); }
    void setRts(bool v) { comm.setRTSEnable(v); }
    void setBreak(bool v) { comm.setBreak(v); }
    bool cd() { return comm.CDHolding(); }
    bool cts() { return comm.CTSHolding(); }
    bool dsr() { return comm.DSRHolding(); }
    void write(std::uint8_t byte) { comm.setOutput(std::string_view(reinterpret_cast<const char*>(&byte), 1)); }
};

template <class Lines>
[[gnu::always_inline]] inline unsigned replay(const std::vector<Access>& sequence, Lines&& lines, int repetitions)
{
    unsigned sink = 0;
    for (int rep = 0; rep < repetitions; ++rep)
        for (const Access& a : sequence) {
            switch (a.kind) {
            case Access::Dtr: lines.setDtr(a.value); break;
            case Access::Rts: lines.setRts(a.value); break;
            case Access::Break: lines.setBreak(a.value); break;
            case Access::Cd: sink += lines.cd(); break;
            case Access::Cts: sink += lines.cts(); break;
            case Access::Dsr: sink += lines.dsr(); break;
            case Access::Output:
                if constexpr (std::is_same_v<std::decay_t<Lines>, Board>)
                    lines.receive(std::uint8_t(a.value), replaySettings);
                else
                    lines.write(std::uint8_t(a.value));
                break;
            }
        }
    return sink;
}

// One function per path, kept out of line so that callgrind counts each apart (instructions.sh).
[[gnu::noinline]] inline unsigned replayOnBoard(const std::vector<Access>& sequence, Board& board, int repetitions)
{
    return replay(sequence, board, repetitions);
}

[[gnu::noinline]] inline unsigned replayOnPort(const std::vector<Access>& sequence, SerialLines& port, int repetitions)
{
    return replay(sequence, port, repetitions);
}

[[gnu::noinline]] inline unsigned replayOnComponent(const std::vector<Access>& sequence, MSComm& comm, int repetitions)
{
    return replay(sequence, ComponentCalls{comm}, repetitions);
}

} // namespace bench
