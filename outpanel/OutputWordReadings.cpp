#include "OutputWordReadings.h"

#include "OutputPanelWindow.h"

#include <QCoreApplication>

namespace {

constexpr int Bits = 16;

} // namespace

Readings outputWordReadings(OutputPanelWindow& window)
{
    Readings readings;
    for (int bit = Bits - 1; bit >= 0; --bit)
        readings.series.push_back(Series::digital(QStringLiteral("D%1").arg(bit)));
    //: A series' name, shown in the plot: the sixteen bits as one number. A recording's CSV header keeps the English name.
    readings.series.push_back(Series::word(QString::fromLatin1(QT_TRANSLATE_NOOP("Series", "Word"))));
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
