#include "Shape.h"

#include "ColorNumber.h"

#include <QPainter>

namespace forms {

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind)
{
    // Clicks go to what lies beneath, as a drawn figure takes none.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBackColor(long number)
{
    if (number == backColor_)
        return;
    backColor_ = number;
    update();
}

void Shape::setBorderColor(long number)
{
    if (number == borderColor_)
        return;
    borderColor_ = number;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colorOf(borderColor_), 1));
    painter.setBrush(colorOf(backColor_));
    // The pen is centred on the outline: keep it half a pixel inside the control.
    QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ == Kind::Circle) {
        qreal side = qMin(area.width(), area.height());
        QRectF circle(0, 0, side, side);
        circle.moveCenter(area.center());
        painter.drawEllipse(circle);
    } else {
        painter.drawRect(area);
    }
}

} // namespace forms
