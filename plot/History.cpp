#include "History.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

History::History(std::size_t width, std::size_t capacity)
    : width_(width), capacity_(std::max<std::size_t>(capacity, 1))
{
}

bool History::add(double seconds, const std::vector<double>& values)
{
    seen(seconds);
    const bool wasLost = lost();
    if (wasLost)
        gaps_.back().to = seconds;
    if (count_ && !wasLost && !afterGap_) {
        const std::size_t last = slot(count_ - 1);
        if (std::equal(values.begin(), values.end(), values_.begin() + std::ptrdiff_t(last * width_), same)) {
            held_[last] = seconds;
            return false;
        }
    }
    afterGap_ = false;
    if (count_ == capacity_)
        dropOldest();
    if (times_.size() < capacity_) {
        // Grows until full, then goes round: the oldest entry's place takes the newest.
        times_.push_back(0);
        held_.push_back(0);
        values_.resize(values_.size() + width_);
    }
    const std::size_t at = slot(count_++);
    times_[at] = held_[at] = seconds;
    std::fill_n(values_.begin() + std::ptrdiff_t(at * width_), width_, None);
    std::copy_n(values.begin(), std::min(values.size(), width_), values_.begin() + std::ptrdiff_t(at * width_));
    ++revision_;
    return true;
}

void History::lose(double seconds)
{
    seen(seconds);
    if (lost())
        return;
    gaps_.push_back({seconds, None});
    afterGap_ = true;
    ++revision_;
}

bool History::lost() const
{
    return !gaps_.empty() && std::isnan(gaps_.back().to);
}

void History::seen(double seconds)
{
    if (seconds > latest_) {
        latest_ = seconds;
        ++revision_;
    }
}

void History::dropOldest()
{
    first_ = (first_ + 1) % capacity_;
    --count_;
    const double oldest = time(0);
    while (!gaps_.empty() && gaps_.front().to < oldest)
        gaps_.pop_front();
}

std::size_t History::firstFrom(double t) const
{
    std::size_t low = 0, high = count_;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (time(mid) < t)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

double History::gapAfter(std::size_t i) const
{
    const double from = time(i);
    const double to = i + 1 < count_ ? time(i + 1) : std::numeric_limits<double>::infinity();
    for (const Gap& g : gaps_)
        if (g.from >= from && g.from <= to)
            return g.from;
    return None;
}

double History::valueAt(double t, std::size_t s) const
{
    for (const Gap& g : gaps_)
        if (t >= g.from && (std::isnan(g.to) || t < g.to))
            return None;
    const std::size_t next = firstFrom(t);
    if (next < count_ && time(next) == t)
        return value(next, s);
    return next == 0 ? None : value(next - 1, s);
}

std::size_t History::bytes() const
{
    return sizeof *this + (times_.capacity() + held_.capacity() + values_.capacity()) * sizeof(double) + gaps_.size() * sizeof(Gap);
}
