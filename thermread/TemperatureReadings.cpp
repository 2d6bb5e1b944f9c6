#include "TemperatureReadings.h"

#include "NumberText.h"
#include "ThermReadWindow.h"

#include <QCoreApplication>
#include <QLineEdit>

Readings temperatureReadings(ThermReadWindow& window)
{
    //: A series' name, shown in the plot: the temperature read. A recording's CSV header keeps the English name.
    return {{Series::analog(QString::fromLatin1(QT_TRANSLATE_NOOP("Series", "Temperature")), QStringLiteral("°C"), -55, 125)},
            [&window] { return std::vector<double>{forms::shownNumber(window.txtTemp->text())}; },
            [&window] { window.cmdRdTemp_Click(); }};
}
