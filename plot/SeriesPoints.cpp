#include "SeriesPoints.h"

#include "History.h"

#include <algorithm>
#include <cmath>

// Collects the pieces, one point at a time.
class SeriesPoints::Pieces {
public:
    Pieces(bool steps, double offset) : steps_(steps), offset_(offset) {}

    void point(double t, double v)
    {
        if (std::isnan(v)) {
            end();
            return;
        }
        if (steps_ && !current_.isEmpty() && t > current_.last().x())
            current_.append({t, current_.last().y()});
        current_.append({t, v + offset_});
    }
    // The last value holds until `t`.
    void holdUntil(double t)
    {
        if (!current_.isEmpty() && t > current_.last().x())
            current_.append({t, current_.last().y()});
    }
    void end()
    {
        if (!current_.isEmpty())
            done_.push_back(std::exchange(current_, {}));
    }
    std::vector<QList<QPointF>> take()
    {
        end();
        return std::move(done_);
    }

private:
    bool steps_;
    double offset_;
    QList<QPointF> current_;
    std::vector<QList<QPointF>> done_;
};

void SeriesPoints::addExtremes(Pieces& pieces, std::size_t first, std::size_t stop, double from) const
{
    std::size_t low = first, high = first;
    for (std::size_t k = first; k < stop; ++k) {
        low = history.value(k, series) < history.value(low, series) ? k : low;
        high = history.value(k, series) > history.value(high, series) ? k : high;
    }
    for (std::size_t k : {first, std::min(low, high), std::max(low, high), stop - 1})
        pieces.point(std::max(history.time(k), from), history.value(k, series));
}

std::vector<QList<QPointF>> SeriesPoints::between(double from, double to, int columns) const
{
    const std::size_t n = history.size();
    std::size_t i = history.firstFrom(from);
    i = i > 0 ? i - 1 : 0;  // the value shown when the range begins
    const std::size_t last = history.firstFrom(std::nextafter(to, to + 1));  // one past the last in range
    const std::size_t bucket = std::max<std::size_t>(1, (last - i) / std::size_t(std::max(columns, 1)));
    Pieces pieces(steps, offset);
    while (i < last) {
        const std::size_t stop = std::min(last, i + bucket);
        // A bucket goes whole only while it shows a value and holds no loss.
        bool whole = bucket > 2;
        for (std::size_t k = i; whole && k < stop; ++k)
            whole = !std::isnan(history.value(k, series)) && std::isnan(history.gapAfter(k));
        if (!whole) {
            pieces.point(std::max(history.time(i), from), history.value(i, series));
            // Read again unchanged: level until the last such reading, then on to the next.
            if (!steps && !std::isnan(history.value(i, series)))
                pieces.holdUntil(std::min(history.heldUntil(i), to));
            if (const double lost = history.gapAfter(i); !std::isnan(lost)) {
                pieces.holdUntil(std::min(lost, to));
                pieces.end();
            }
            ++i;
            continue;
        }
        addExtremes(pieces, i, stop, from);
        i = stop;
    }
    // The last value holds until the next entry, or as far as the data reach.
    if (last < n)
        pieces.holdUntil(to);
    else if (!history.lost())
        pieces.holdUntil(std::min(history.latest(), to));
    return pieces.take();
}
