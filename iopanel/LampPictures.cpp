#include "LampPictures.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int Size = 32;
constexpr QPointF Centre(Size / 2.0, Size / 2.0);
constexpr double BulbRadius = 8.5;

QPixmap drawLamp(bool lit)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (lit) {
        p.setPen(QPen(QColor(255, 200, 0), 2, Qt::SolidLine, Qt::RoundCap));
        for (int ray = 0; ray < 8; ++ray) {
            double angle = ray * M_PI / 4 + M_PI / 8;
            QPointF direction(std::cos(angle), std::sin(angle));
            p.drawLine(Centre + direction * (BulbRadius + 2.5), Centre + direction * (Size / 2.0 - 1));
        }
    }
    QRadialGradient glass(Centre - QPointF(3, 3), BulbRadius * 1.6);
    if (lit) {
        glass.setColorAt(0, QColor(255, 200, 200));
        glass.setColorAt(0.35, QColor(255, 0, 0));
        glass.setColorAt(1, QColor(160, 0, 0));
    } else {
        glass.setColorAt(0, QColor(110, 80, 80));
        glass.setColorAt(0.35, QColor(70, 30, 30));
        glass.setColorAt(1, QColor(30, 10, 10));
    }
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(glass);
    p.drawEllipse(Centre, BulbRadius, BulbRadius);
    return pixmap;
}

} // namespace

QPixmap litLampPicture()
{
    static const QPixmap picture = drawLamp(true);
    return picture;
}

QPixmap unlitLampPicture()
{
    static const QPixmap picture = drawLamp(false);
    return picture;
}
