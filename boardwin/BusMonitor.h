#pragma once

#include "BusCapture.h"
#include "EdgeClock.h"
#include "PartListener.h"
#include "TransactionDecoder.h"

#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Board;

// Everything the board is told, one line each, timed in milliseconds since the program
// started: "12.345 S 90 W A AA A Sr 91 R A 19 A 80 N P" for a two-wire transaction (timed
// at its start), "12.345 latched 8001" for the word an output part latches, "12.345 byte 80"
// for a byte the serial receiver takes. Lines go to the log file as they happen and wait in a
// buffer, which keeps the latest ones, until the monitor pane takes them. A transaction's line
// and a latched word's carry the capture of their lines, for the waveform.
class BusMonitor : public PartListener {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;
    static constexpr std::size_t Kept = 5000;

    struct Line {
        std::string text;
        std::shared_ptr<const BusCapture> capture;  // null for a line without one
    };

    // Listens to every part of `board` that has something to tell; `board` must outlive this.
    BusMonitor(Board& board, Clock::time_point epoch, Now now = &Clock::now);
    ~BusMonitor() override;
    BusMonitor(const BusMonitor&) = delete;
    BusMonitor& operator=(const BusMonitor&) = delete;

    // Writes every line from now on to `path` too (empty: no file; "-": standard error).
    // False, with `error` filled, when the file cannot be written.
    bool openLog(const std::string& path, std::string& error);

    // A line of the monitor's own, timed now.
    void note(const std::string& text);
    // The lines added since the last call, oldest first.
    std::vector<Line> takeNew();
    // The length of the captures' ticks, as measured so far.
    double nsPerTick() const { return edgeClock_.nsPerTick(); }
    // Forgets the lines not yet taken.
    void dropNew() { waiting_.clear(); }

    void busLevels(bool scl, bool sda) override;
    void shiftInputs(bool clock, bool data, bool latch) override;
    void latched(std::uint16_t outputs) override;
    void received(std::uint8_t byte, bool framingError) override;

private:
    // "12.345 ": the time of a line.
    std::string stamp(Clock::time_point at) const;
    void add(std::string line, std::shared_ptr<const BusCapture> capture = {});
    void closeLog();
    std::shared_ptr<const BusCapture> endCapture(BusCapture::Lines lines);

    Board& board_;
    Clock::time_point epoch_;
    Now now_;
    TransactionDecoder decoder_;
    Clock::time_point transactionStart_;
    EdgeClock edgeClock_;
    // The capture under way: its changes so far (from changes_ to next_), its time, the levels
    // before it and after the last change.
    std::unique_ptr<std::uint32_t[]> changes_{new std::uint32_t[BusCapture::MaxChanges]};
    std::uint32_t* next_ = changes_.get();
    std::uint32_t* const end_ = changes_.get() + BusCapture::MaxChanges;
    Clock::time_point captureStart_;
    std::uint8_t before_ = BusCapture::LevelMask;
    std::uint8_t levels_ = BusCapture::LevelMask;  // every line high
    std::deque<Line> waiting_;
    std::FILE* log_ = nullptr;
};
