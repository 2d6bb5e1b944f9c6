#pragma once

#include "Series.h"

#include <QByteArray>
#include <QDateTime>

#include <vector>

// The lines of a recording, as RFC 4180 has them (CRLF at each line's end, a field quoted when
// it holds a comma, a quote or a line break): the heading, then per entry the UTC time in
// ISO 8601 with milliseconds, the seconds since the program started, and the values.
namespace CsvText {

QByteArray header(const std::vector<Series>& series);
QByteArray row(const QDateTime& startUtc, double seconds, const std::vector<double>& values,
               const std::vector<Series>& series);
QString field(const QString& text);

} // namespace CsvText
