#include "WaveformView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double MaxZoom = 1e5;  // times the whole transaction

// 1, 2 or 5 times a power of ten, the first at least `least`.
double roundStep(double least)
{
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= least)
            return m * power;
    return 10 * power;
}

} // namespace

WaveformView::WaveformView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("waveform"));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
}

QSize WaveformView::sizeHint() const
{
    const int rows = int(std::max<std::size_t>(waveform_.traces.size(), 2));
    return {520, AxisHeight + rows * TraceHeight + 2 * MarkHeight + horizontalScrollBar()->sizeHint().height() + 8};
}

QSize WaveformView::minimumSizeHint() const { return {240, sizeHint().height()}; }

void WaveformView::setWaveform(WaveformLayout waveform)
{
    waveform_ = std::move(waveform);
    updateGeometry();
    showWhole();
}

double WaveformView::spanStart() const { return -std::max(waveform_.end * 0.04, 0.001); }
double WaveformView::spanEnd() const { return waveform_.end - spanStart(); }

double WaveformView::fitScale() const
{
    return std::max(1.0, double(viewport()->width() - NameWidth)) / (spanEnd() - spanStart());
}

void WaveformView::showWhole()
{
    whole_ = true;
    scale_ = fitScale();
    updateScrollBar();
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void WaveformView::zoom(double factor, int aroundX)
{
    const double at = timeAt(aroundX);
    const double fit = fitScale();
    scale_ = std::clamp(scale_ * factor, fit, fit * MaxZoom);
    whole_ = scale_ <= fit;
    updateScrollBar();
    // The time under the pointer stays under it.
    horizontalScrollBar()->setValue(int(std::lround((at - spanStart()) * scale_ - (aroundX - NameWidth))));
    viewport()->update();
}

void WaveformView::updateScrollBar()
{
    const double content = (spanEnd() - spanStart()) * scale_;
    const int page = std::max(1, viewport()->width() - NameWidth);
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, int(std::ceil(content)) - page));
    bar->setPageStep(page);
    bar->setSingleStep(std::max(1, page / 10));
}

double WaveformView::xOf(double us) const
{
    return NameWidth + (us - spanStart()) * scale_ - horizontalScrollBar()->value();
}

double WaveformView::timeAt(double x) const
{
    return spanStart() + (x - NameWidth + horizontalScrollBar()->value()) / scale_;
}

double WaveformView::firstShown() const { return timeAt(NameWidth); }
double WaveformView::lastShown() const { return timeAt(viewport()->width()); }

void WaveformView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (whole_)
        showWhole();
    else
        updateScrollBar();
}

void WaveformView::scrollContentsBy(int, int) { viewport()->update(); }

void WaveformView::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if ((event->modifiers() & Qt::ShiftModifier) || delta.x() != 0) {
        const int by = delta.x() != 0 ? delta.x() : delta.y();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() - by);
    } else if (delta.y() != 0) {
        zoom(std::pow(1.25, delta.y() / 120.0), int(event->position().x()));
    }
    event->accept();
}

void WaveformView::keyPressEvent(QKeyEvent* event)
{
    const int middle = NameWidth + (viewport()->width() - NameWidth) / 2;
    switch (event->key()) {
    case Qt::Key_F:
    case Qt::Key_Home: showWhole(); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoom(1.5, middle); break;
    case Qt::Key_Minus: zoom(1 / 1.5, middle); break;
    case Qt::Key_Left: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Right: horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    event->accept();
}

void WaveformView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    paintAxis(p);
    int top = paintTraces(p, AxisHeight);
    QColor itemFill = palette().color(QPalette::Highlight);
    itemFill.setAlpha(60);
    //: The row of the bits each clock carried.
    top = paintMarks(p, top, waveform_.bits, palette().color(QPalette::AlternateBase), tr("bits"));
    //: The row of the transaction's parts: start, address, acknowledge, data byte, stop.
    paintMarks(p, top, waveform_.items, itemFill, tr("items"));
}

QColor WaveformView::gridColor() const
{
    QColor grid = palette().color(QPalette::Mid);
    grid.setAlpha(90);
    return grid;
}

// The time axis, in microseconds from the transaction's start, its ticks down through every row.
void WaveformView::paintAxis(QPainter& p) const
{
    const QColor text = palette().color(QPalette::Text);
    const double from = firstShown(), to = lastShown();
    const double step = roundStep(80.0 / scale_);
    p.setPen(text);
    p.drawText(QRect(2, 0, NameWidth - 4, AxisHeight), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("µs"));
    const int rowsBottom = AxisHeight + int(waveform_.traces.size()) * TraceHeight + 2 * MarkHeight;
    for (double t = std::ceil(from / step) * step; t <= to; t += step) {
        const int x = int(std::lround(xOf(t)));
        p.setPen(gridColor());
        p.drawLine(x, AxisHeight - 4, x, rowsBottom);
        p.setPen(text);
        const QString label = QString::number(std::abs(t) < step / 2 ? 0.0 : t, 'g', 6);
        p.drawText(x + 3, AxisHeight - 6, label);
    }
}

// The traces from `top` down, high near the top of their row; where the rows below begin.
int WaveformView::paintTraces(QPainter& p, int top) const
{
    const double from = firstShown(), to = lastShown();
    const int width = viewport()->width();
    for (const WaveformLayout::Trace& trace : waveform_.traces) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(2, top, NameWidth - 4, TraceHeight), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(trace.name));
        const double high = top + 5, low = top + TraceHeight - 5;
        QPolygonF line;
        auto y = [&](bool level) { return level ? high : low; };
        // From the last step before the left edge to the first after the right one.
        auto first = std::upper_bound(trace.steps.begin(), trace.steps.end(), from,
                                      [](double t, const WaveformLayout::Step& s) { return t < s.at; });
        if (first != trace.steps.begin())
            --first;
        line << QPointF(NameWidth, y(first->level));
        for (auto s = first + 1; s != trace.steps.end() && s->at <= to; ++s) {
            const double x = std::max(double(NameWidth), xOf(s->at));
            line << QPointF(x, line.back().y()) << QPointF(x, y(s->level));
        }
        line << QPointF(width, line.back().y());
        p.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawPolyline(line);
        top += TraceHeight;
    }
    return top;
}

// One row of marks (the bits, or the items) at `top`, each a box over the cells it spans, its
// label inside when it fits; where the next row begins.
int WaveformView::paintMarks(QPainter& p, int top, const std::vector<WaveformLayout::Mark>& row, const QColor& fill,
                             const QString& name) const
{
    const QColor text = palette().color(QPalette::Text);
    const double from = firstShown(), to = lastShown();
    const QFontMetrics metrics(font());
    p.setPen(text);
    p.drawText(QRect(2, top, NameWidth - 4, MarkHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
    for (const WaveformLayout::Mark& m : row) {
        if (m.to < from || m.from > to)
            continue;
        const double left = std::max(double(NameWidth), xOf(m.from)), right = std::min(double(viewport()->width()), xOf(m.to));
        const QRectF box(left, top + 2, std::max(1.0, right - left), MarkHeight - 4);
        p.setPen(gridColor());
        p.setBrush(fill);
        p.drawRect(box);
        const QString label = QString::fromStdString(m.text);
        if (metrics.horizontalAdvance(label) + 4 <= box.width()) {
            p.setPen(text);
            p.drawText(box, Qt::AlignCenter, label);
        }
    }
    return top + MarkHeight;
}
