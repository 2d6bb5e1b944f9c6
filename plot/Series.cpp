#include "Series.h"

#include <QCoreApplication>
#include <QLocale>

#include <charconv>
#include <cmath>

Series Series::analog(QString name, QString unit, double low, double high)
{
    return {std::move(name), std::move(unit), Kind::Analog, low, high};
}

Series Series::digital(QString name)
{
    return {std::move(name), {}, Kind::Digital, 0, 1};
}

Series Series::word(QString name)
{
    return {std::move(name), {}, Kind::Word, 0, 0xFFFF};
}

QString Series::heading() const
{
    switch (kind) {
    case Kind::Digital:
        return name + QStringLiteral(" (0/1)");
    case Kind::Word:
        return name + QStringLiteral(" (hex)");
    case Kind::Analog:
        break;
    }
    return unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit);
}

QString Series::shownName() const
{
    return QCoreApplication::translate("Series", name.toUtf8().constData());
}

QString Series::csvText(double value) const
{
    if (std::isnan(value))
        return {};
    if (kind == Kind::Word)
        return QStringLiteral("%1").arg(unsigned(value), 4, 16, QLatin1Char('0')).toUpper();
    // The shortest text that reads back as the same number, whatever the locale.
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, end - text);
}

QString Series::readout(double value) const
{
    if (std::isnan(value))
        return QStringLiteral("—");
    switch (kind) {
    case Kind::Digital:
        return QString::number(int(value));
    case Kind::Word:
        return QStringLiteral("0x") + csvText(value);
    case Kind::Analog:
        break;
    }
    return QLocale().toString(value, 'f', 3) + QChar(u' ') + unit;
}
