#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// Writes a Value Change Dump (IEEE 1364), the file a logic analyser's viewer opens: a header
// with a timescale of 1 ns and one `$var wire 1` per line, the levels at #0, then for each
// change a `#time` line and a `0!`/`1!` line. Every change gets a time of its own, later than
// the one before: decoders misread changes of two lines at one timestamp.
class VcdWriter {
public:
    using Clock = std::chrono::steady_clock;

    // Does not own `out`. `wires` are the lines' names, `levels` their levels at the start;
    // live changes are timed from `epoch`.
    VcdWriter(std::FILE* out, std::vector<std::string> wires, std::vector<bool> levels, Clock::time_point epoch = {});
    ~VcdWriter();
    VcdWriter(const VcdWriter&) = delete;
    VcdWriter& operator=(const VcdWriter&) = delete;

    // The header, with `comment` in it unless empty; written by the first change if not before.
    void writeHeader(std::string_view comment = {});
    bool headerWritten() const { return headerWritten_; }
    // A comment among the changes, from here on.
    void comment(std::string_view text);

    // Wire `wire` goes to `level` at `at` since the start (moved past the last change if not
    // later). A change to the level the wire has writes nothing.
    void change(std::size_t wire, bool level, std::chrono::nanoseconds at);
    // The same, timed now; the file is flushed now and then, so that a viewer finds it current.
    void changeNow(std::size_t wire, bool level) { change(wire, level, now()); }
    std::chrono::nanoseconds now() const { return Clock::now() - epoch_; }
    // The time of the last change (0 before the first).
    std::chrono::nanoseconds last() const { return std::chrono::nanoseconds(last_); }

    void flush();
    // Ends the dump with a time after the last change, without which readers that turn the
    // changes into samples never take the last one in; then flushes. The destructor does it.
    void close();

private:
    std::FILE* out_;
    std::vector<std::string> wires_;
    std::vector<bool> levels_;
    Clock::time_point epoch_;
    long long last_ = 0;
    long long flushed_ = 0;
    bool headerWritten_ = false;
    bool closed_ = false;
};
