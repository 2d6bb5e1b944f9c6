#pragma once

#include <QChartView>

#include <functional>

// A chart's view that tells where the pointer is, in seconds on the time axis, and where it
// was clicked: the plot's crosshair and markers.
class PlotView : public QChartView {
public:
    explicit PlotView(QChart* chart, QWidget* parent = nullptr);

    std::function<void(double seconds)> hovered;  // NaN when the pointer left
    std::function<void(double seconds)> clicked;
    // Asked first about a click, at its place in the scene: true when it was taken.
    std::function<bool(QPointF scene)> pressed;
    std::function<void()> resized;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double secondsAt(QPointF position) const;
};
