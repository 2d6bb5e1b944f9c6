#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// What a window showed over time: one entry per handler that changed a shown value, at its
// time in seconds since the program started, and the spans while the port was lost. Bounded:
// when full, the oldest entries go.
class History {
public:
    struct Gap {
        double from;
        double to;  // NaN while the port is still lost
    };

    History(std::size_t width, std::size_t capacity);

    // The values shown after a handler at `seconds`, when they differ from the last entry (or a
    // gap came between): true when an entry was added.
    bool add(double seconds, const std::vector<double>& values);
    // The port was found lost at `seconds`; the gap lasts until the next entry.
    void lose(double seconds);
    // A handler ran at `seconds` and changed nothing: the data reach that far.
    void seen(double seconds);

    std::size_t width() const { return width_; }
    std::size_t size() const { return count_; }
    std::size_t capacity() const { return capacity_; }
    double time(std::size_t i) const { return times_[slot(i)]; }
    // The last time entry i's values were seen unchanged (its own time when never again).
    double heldUntil(std::size_t i) const { return held_[slot(i)]; }
    double value(std::size_t i, std::size_t series) const { return values_[slot(i) * width_ + series]; }
    // The first entry at or after `t`; size() when there is none.
    std::size_t firstFrom(double t) const;
    // The value series `s` showed at time `t`: the last entry's at or before it; NaN before
    // the first entry and inside a gap.
    double valueAt(double t, std::size_t s) const;
    // When the port was lost between entries i and i + 1 (or after the last), or NaN.
    double gapAfter(std::size_t i) const;
    const std::deque<Gap>& gaps() const { return gaps_; }
    bool lost() const;
    // How far the data reach: the last handler's time.
    double latest() const { return latest_; }
    double earliest() const { return count_ ? time(0) : latest_; }
    // Counts every change, so that a view redraws only when there is something new.
    std::uint64_t revision() const { return revision_; }
    // The memory the history holds, in bytes.
    std::size_t bytes() const;

private:
    std::size_t slot(std::size_t i) const { return (first_ + i) % capacity_; }
    void dropOldest();

    std::size_t width_;
    std::size_t capacity_;
    std::vector<double> times_;
    std::vector<double> held_;
    std::vector<double> values_;
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    std::deque<Gap> gaps_;
    bool afterGap_ = false;
    double latest_ = 0;
    std::uint64_t revision_ = 0;
};
