#include "CsvText.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace CsvText {

QString field(const QString& text)
{
    if (!text.contains(QRegularExpression(QStringLiteral("[\",\r\n]"))))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray header(const std::vector<Series>& series)
{
    QStringList fields{QStringLiteral("time (UTC)"), QStringLiteral("seconds")};
    for (const Series& s : series)
        fields << field(s.heading());
    return fields.join(u',').toUtf8() + "\r\n";
}

QByteArray row(const QDateTime& startUtc, double seconds, const std::vector<double>& values,
               const std::vector<Series>& series)
{
    const qint64 ms = std::llround(seconds * 1000);
    QStringList fields{startUtc.addMSecs(ms).toString(Qt::ISODateWithMs),
                       QString::number(double(ms) / 1000, 'f', 3)};
    for (std::size_t i = 0; i < series.size(); ++i)
        fields << series[i].csvText(i < values.size() ? values[i] : std::nan(""));
    return fields.join(u',').toUtf8() + "\r\n";
}

} // namespace CsvText
