#include "PlotView.h"

#include <QMouseEvent>

#include <limits>

PlotView::PlotView(QChart* chart, QWidget* parent) : QChartView(chart, parent)
{
    setMouseTracking(true);
    viewport()->setMouseTracking(true);  // the crosshair follows the pointer, no button held
    setRenderHint(QPainter::Antialiasing);
}

double PlotView::secondsAt(QPointF position) const
{
    const QPointF scene = mapToScene(position.toPoint());
    if (!chart()->plotArea().contains(chart()->mapFromScene(scene)))
        return std::numeric_limits<double>::quiet_NaN();
    return chart()->mapToValue(chart()->mapFromScene(scene)).x();
}

void PlotView::mouseMoveEvent(QMouseEvent* event)
{
    if (hovered)
        hovered(secondsAt(event->position()));
    QChartView::mouseMoveEvent(event);
}

void PlotView::mousePressEvent(QMouseEvent* event)
{
    const double seconds = secondsAt(event->position());
    const bool taken = pressed && event->button() == Qt::LeftButton && pressed(mapToScene(event->position().toPoint()));
    if (!taken && event->button() == Qt::LeftButton && seconds == seconds && clicked)
        clicked(seconds);
    QChartView::mousePressEvent(event);
}

void PlotView::leaveEvent(QEvent* event)
{
    if (hovered)
        hovered(std::numeric_limits<double>::quiet_NaN());
    QChartView::leaveEvent(event);
}

void PlotView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    if (resized)
        resized();
}
