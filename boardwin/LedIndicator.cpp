#include "LedIndicator.h"

#include <QPainter>

LedIndicator::LedIndicator(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LedIndicator::setLit(bool lit)
{
    if (lit == lit_)
        return;
    lit_ = lit;
    update();
}

void LedIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(width(), height()) - 2;
    const QRectF circle((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    painter.setPen(QPen(QColor(64, 0, 0), 1));
    painter.setBrush(lit_ ? QColor(255, 0, 0) : QColor(96, 0, 0));
    painter.drawEllipse(circle);
    if (lit_) {  // a highlight, so that lit and unlit differ in more than the shade of red
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 190, 190));
        painter.drawEllipse(QRectF(circle.left() + side * 0.25, circle.top() + side * 0.2, side * 0.25, side * 0.25));
    }
}
