#include "OutputWordReadings.h"

#include "OutputPanelWindow.h"

namespace {

constexpr int Bits = 16;

} // namespace

Readings outputWordReadings(OutputPanelWindow& window)
{
    Readings readings;
    for (int bit = Bits - 1; bit >= 0; --bit)
        readings.series.push_back(Series::digital(QStringLiteral("D%1").arg(bit)));
    readings.series.push_back(Series::word(QStringLiteral("Word")));
    readings.read = [&window] {
        std::vector<double> values;
        unsigned word = 0;
        for (int bit = Bits - 1; bit >= 0; --bit) {
            const bool on = window.bitShown(bit);
            word |= unsigned(on) << bit;
            values.push_back(on);
        }
        values.push_back(word);
        return values;
    };
    return readings;
}
