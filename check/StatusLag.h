#pragma once

#include <chrono>
#include <vector>

// How long after a line change a status read first shows it, over several changes: a live
// adapter shows it at the first read (lag 0), a caching one only once its next report has come.
class StatusLag {
public:
    // The margin added to the longest lag: half of it, and at least one USB frame, since a
    // caching adapter's report may come a frame later than any of the changes measured.
    static constexpr std::chrono::microseconds Frame{1000};

    explicit StatusLag(std::vector<std::chrono::nanoseconds> lags);

    std::chrono::nanoseconds least() const { return sorted_.front(); }
    std::chrono::nanoseconds median() const { return sorted_[sorted_.size() / 2]; }
    std::chrono::nanoseconds most() const { return sorted_.back(); }
    int count() const { return int(sorted_.size()); }
    // The wait an adapter with these lags needs before a read: none when no read lagged, else
    // the most and its margin, rounded up to 100 µs.
    std::chrono::microseconds settle() const;

private:
    std::vector<std::chrono::nanoseconds> sorted_;
};
