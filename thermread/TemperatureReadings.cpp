#include "TemperatureReadings.h"

#include "NumberText.h"
#include "ThermReadWindow.h"

#include <QLineEdit>

Readings temperatureReadings(ThermReadWindow& window)
{
    return {{Series::analog(QStringLiteral("Temperature"), QStringLiteral("°C"), -55, 125)},
            [&window] { return std::vector<double>{forms::shownNumber(window.txtTemp->text())}; },
            [&window] { window.cmdRdTemp_Click(); }};
}
