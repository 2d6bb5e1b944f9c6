#pragma once

#include <QList>
#include <QPointF>

#include <cstddef>
#include <vector>

class History;

// The lines that draw one series of a history between two times: one piece per stretch in
// which the window showed a value, split where the port was lost (the piece ends where the
// loss began) and where the window showed none. Each value holds until the next, so that the
// last reaches as far as the data do. Digital traces and words go in steps; measured values
// go straight from reading to reading, level while read again unchanged. Where there are more entries than `columns` pixels,
// each pixel's worth keeps only its first, lowest, highest and last point.
struct SeriesPoints {
    const History& history;
    std::size_t series;
    bool steps = false;
    double offset = 0;  // added to every value: a digital trace's place in its stack

    std::vector<QList<QPointF>> between(double from, double to, int columns) const;

private:
    class Pieces;
    // Entries first … stop - 1 as their first, lowest, highest and last points.
    void addExtremes(Pieces& pieces, std::size_t first, std::size_t stop, double from) const;
};
