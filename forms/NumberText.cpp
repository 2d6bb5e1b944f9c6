#include "NumberText.h"

#include "NumericText.h"

#include <QLocale>

#include <cmath>
#include <cstdio>

namespace forms {

QString numberText(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15G", value);
    QString result = QString::fromLatin1(text);
    if (result == u"-0")
        result = QStringLiteral("0");
    result.replace(u'.', QLocale().decimalPoint());
    return result;
}

double shownNumber(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nan("");
    QString plain = text;
    plain.replace(QLocale().decimalPoint(), QStringLiteral("."));
    return numericValue(plain);
}

} // namespace forms
