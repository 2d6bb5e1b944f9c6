#include "VoltMeter.h"

#include <QLocale>
#include <QPainter>
#include <QtMath>

#include <algorithm>

VoltMeter::VoltMeter(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(sizeHint());
}

void VoltMeter::setVolts(double volts)
{
    if (volts == volts_)
        return;
    volts_ = volts;
    update();
}

QString VoltMeter::reading() const
{
    //: The meter of an analogue output that is switched off.
    return volts_ < 0 ? tr("off") : QLocale().toString(volts_, 'f', 2) + QStringLiteral(" V");
}

void VoltMeter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(palette().color(QPalette::Mid));
    p.setBrush(QColor(250, 248, 236));
    p.drawRoundedRect(face, 4, 4);

    // The scale: a 100° arc around a pivot near the bottom.
    const QFontMetrics metrics(font());
    const double textHeight = metrics.height();
    const QPointF pivot(face.center().x(), face.bottom() - textHeight - 4);
    const double radius = std::min(face.width() / 2 - 12, pivot.y() - face.top() - textHeight - 2);
    constexpr double sweep = 100, startAngle = 90 + sweep / 2;  // degrees, 0 V at the left
    auto at = [&](double volts, double r) {
        double a = qDegreesToRadians(startAngle - sweep * volts / FullScale);
        return QPointF(pivot.x() + r * std::cos(a), pivot.y() - r * std::sin(a));
    };
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius), int((startAngle - sweep) * 16),
              int(sweep * 16));
    for (int tenth = 0; tenth <= 50; tenth += 5) {
        const double v = tenth / 10.0;
        const bool whole = tenth % 10 == 0;
        p.drawLine(at(v, radius), at(v, radius - (whole ? 6 : 3)));
        if (whole) {
            const QString label = QString::number(tenth / 10);
            const QPointF c = at(v, radius + textHeight / 2 + 1);
            p.drawText(QRectF(c.x() - 10, c.y() - textHeight / 2, 20, textHeight), Qt::AlignCenter, label);
        }
    }

    const double shown = std::clamp(volts_ < 0 ? 0.0 : volts_, 0.0, FullScale);
    p.setPen(QPen(volts_ < 0 ? palette().color(QPalette::Mid) : QColor(192, 0, 0), 2));
    p.drawLine(pivot, at(shown, radius - 4));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(face.left(), face.bottom() - textHeight - 2, face.width(), textHeight), Qt::AlignCenter, reading());
}
