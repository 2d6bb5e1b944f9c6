#include "PlotPane.h"

#include "History.h"
#include "PlotView.h"
#include "SeriesPoints.h"

#include <QChart>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPalette>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr double TraceStep = 1.5;  // a digital trace's height with the space under it
constexpr int PointsShownBelow = 200;  // readings are marked as points while fewer are in view

// Ticks at a round step (1, 2 or 5 times a power of ten) from zero, about five in a range.
void roundTicks(QValueAxis* axis)
{
    const double range = axis->max() - axis->min();
    if (!(range > 0))
        return;
    const double rough = range / 5;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {2.0, 5.0, 10.0})
        if (rough > step * 1.5)
            step = power * m;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
}

bool dark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

void colourAxis(QAbstractAxis* axis, const QPalette& palette)
{
    axis->setLabelsBrush(palette.brush(QPalette::WindowText));
    axis->setTitleBrush(palette.brush(QPalette::WindowText));
    axis->setLinePenColor(palette.color(QPalette::WindowText));
    axis->setGridLineColor(palette.color(QPalette::Mid));
}

} // namespace

PlotPane::PlotPane(const History& history, const std::vector<Series>& all, std::vector<std::size_t> members,
                   const QPalette& palette, QWidget* parent)
    : history_(history), members_(std::move(members)), kind_(all[members_.front()].kind),
      low_(all[members_.front()].low), high_(all[members_.front()].high), chart_(new QChart)
{
    colour(palette);
    view_ = new PlotView(chart_, parent);
    addAxes(all, palette);
    const double traces = double(members_.size());
    for (std::size_t k = 0; k < members_.size(); ++k) {
        const double offset = kind_ == Series::Kind::Digital ? (traces - 1 - double(k)) * TraceStep : 0;
        lines_.push_back({members_[k], offset, {}});
        QLineSeries* first = piece(lines_.back(), 0);
        first->setName(all[members_[k]].shownName());
    }
    // The legend's entry for a series hides and shows it; a digital trace's name, drawn beside
    // it, is its entry.
    for (Line& line : lines_) {
        QLegendMarker* marker = chart_->legend()->markers(line.pieces.front()).value(0);
        QObject::connect(marker, &QLegendMarker::clicked, chart_, [this, series = line.series] { show(series, !shown(series)); });
        if (kind_ == Series::Kind::Digital) {
            line.name = new QGraphicsSimpleTextItem(all[line.series].shownName(), chart_);
            line.name->setBrush(line.pieces.front()->pen().color());
            line.name->setZValue(11);
            namesWidth_ = std::max(namesWidth_, line.name->boundingRect().width());
        }
    }
    chart_->setMargins(baseMargins());
    if (kind_ == Series::Kind::Digital)
        chart_->legend()->hide();
    addLineItems(palette);
}

void PlotPane::colour(const QPalette& palette)
{
    // The theme gives the series their colours; the rest follows the desktop's palette.
    chart_->setTheme(dark(palette) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart_->setBackgroundBrush(palette.brush(QPalette::Window));
    chart_->setPlotAreaBackgroundBrush(palette.brush(QPalette::Base));
    chart_->setPlotAreaBackgroundVisible(true);
    chart_->legend()->setLabelColor(palette.color(QPalette::WindowText));
    chart_->legend()->setAlignment(Qt::AlignRight);
}

void PlotPane::addLineItems(const QPalette& palette)
{
    crosshair_ = lineItem(palette.color(QPalette::WindowText), Qt::DashLine);
    for (int m = 0; m < 2; ++m) {
        markers_[m] = lineItem(palette.color(QPalette::Highlight), Qt::SolidLine);
        markerNames_[m] = new QGraphicsSimpleTextItem(m == 0 ? QStringLiteral("A") : QStringLiteral("B"), chart_);
        markerNames_[m]->setBrush(palette.brush(QPalette::Highlight));
        markerNames_[m]->hide();
    }
    //: Over a stretch of time in which the program's COM port was gone (its adapter unplugged).
    gapNote_ = new QGraphicsSimpleTextItem(tr("port lost"), chart_);
    gapNote_->setBrush(palette.brush(QPalette::WindowText));
    gapNote_->hide();
}

void PlotPane::addAxes(const std::vector<Series>& all, const QPalette& palette)
{
    x_ = new QValueAxis;
    x_->setTitleText(tr("seconds since start"));
    x_->setLabelFormat(QStringLiteral("%.4g"));
    chart_->addAxis(x_, Qt::AlignBottom);
    QObject::connect(x_, &QValueAxis::rangeChanged, chart_, [this] { roundTicks(x_); });
    colourAxis(x_, palette);
    if (kind_ == Series::Kind::Digital) {
        // The traces are named beside them rather than on the axis.
        auto* axis = new QValueAxis;
        axis->setRange(-0.25, double(members_.size()) * TraceStep - 0.25);
        axis->setLabelsVisible(false);
        axis->setGridLineVisible(false);
        axis->setTickCount(2);
        y_ = axis;
    } else {
        auto* axis = new QValueAxis;
        axis->setRange(low_, high_);
        if (kind_ == Series::Kind::Word) {
            axis->setLabelFormat(QStringLiteral("%04X"));
            axis->setTickType(QValueAxis::TicksDynamic);
            axis->setTickAnchor(0);
            axis->setTickInterval(0x4000);
            //: The axis of a sixteen-bit word, labelled in hexadecimal.
            axis->setTitleText(tr("hex"));
        } else {
            axis->setTitleText(all[members_.front()].unit);
            axis->setLabelFormat(QStringLiteral("%.4g"));
            QObject::connect(axis, &QValueAxis::rangeChanged, chart_, [axis] { roundTicks(axis); });
            roundTicks(axis);
        }
        y_ = axis;
    }
    chart_->addAxis(y_, Qt::AlignLeft);
    colourAxis(y_, palette);
}

QLineSeries* PlotPane::piece(Line& line, std::size_t k)
{
    while (line.pieces.size() <= k) {
        auto* series = new QLineSeries;
        chart_->addSeries(series);
        series->attachAxis(x_);
        series->attachAxis(y_);
        if (!line.pieces.empty()) {
            // Every piece of one series looks as the first, and only the first is in the legend.
            series->setPen(line.pieces.front()->pen());
            chart_->legend()->markers(series).value(0)->setVisible(false);
        }
        series->setVisible(line.shown);
        line.pieces.push_back(series);
    }
    return line.pieces[k];
}

QGraphicsLineItem* PlotPane::lineItem(const QColor& colour, Qt::PenStyle style)
{
    auto* item = new QGraphicsLineItem(chart_);
    item->setPen(QPen(colour, 1, style));
    item->setZValue(10);
    item->hide();
    return item;
}

void PlotPane::redraw(double from, double to)
{
    from_ = from;
    to_ = std::max(to, from + 1e-3);
    x_->setRange(from_, to_);
    const int columns = std::max(1, int(chart_->plotArea().width()));
    const bool steps = kind_ != Series::Kind::Analog;
    for (Line& line : lines_) {
        const auto pieces = SeriesPoints{history_, line.series, steps, line.offset}.between(from_, to_, columns);
        qsizetype points = 0;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            piece(line, k)->replace(pieces[k]);
            points += pieces[k].size();
        }
        for (std::size_t k = pieces.size(); k < line.pieces.size(); ++k)
            line.pieces[k]->clear();
        for (QLineSeries* s : line.pieces)
            s->setPointsVisible(kind_ == Series::Kind::Analog && points < PointsShownBelow);
    }
    fitY();
    shadeGaps();
}

void PlotPane::setScale(Scale scale, double low, double high)
{
    scale_ = scale;
    fixedLow_ = low;
    fixedHigh_ = high;
    fitY();
}

void PlotPane::fitY()
{
    auto* axis = qobject_cast<QValueAxis*>(y_);
    if (kind_ == Series::Kind::Digital)
        return;  // the traces keep their stack
    if (scale_ == Scale::Fixed && fixedHigh_ > fixedLow_) {
        axis->setRange(fixedLow_, fixedHigh_);
        return;
    }
    if (scale_ != Scale::Auto) {
        axis->setRange(low_, high_);
        return;
    }
    // From the points drawn, which keep every pixel's lowest and highest value.
    double low = INFINITY, high = -INFINITY;
    for (const Line& line : lines_) {
        if (!line.shown)
            continue;
        for (const QLineSeries* piece : line.pieces)
            for (const QPointF& p : piece->points()) {
                low = std::min(low, p.y());
                high = std::max(high, p.y());
            }
    }
    if (!(low <= high)) {
        axis->setRange(low_, high_);
        return;
    }
    const double margin = high > low ? (high - low) * 0.05 : 0.5;
    axis->setRange(low - margin, high + margin);
}

double PlotPane::xOf(double seconds) const
{
    const QRectF area = chart_->plotArea();
    return area.left() + (seconds - from_) / (to_ - from_) * area.width();
}

void PlotPane::shadeGaps()
{
    const QRectF area = chart_->plotArea();
    std::size_t used = 0;
    gapNote_->hide();
    for (const History::Gap& gap : history_.gaps()) {
        const double end = std::isnan(gap.to) ? history_.latest() : gap.to;
        if (end < from_ || gap.from > to_)
            continue;
        if (used == gapBands_.size()) {
            auto* band = new QGraphicsRectItem(chart_);
            QColor shade = chart_->legend()->labelColor();
            shade.setAlpha(40);
            band->setBrush(shade);
            band->setPen(Qt::NoPen);
            gapBands_.push_back(band);
        }
        const double left = std::clamp(xOf(gap.from), area.left(), area.right());
        const double right = std::clamp(xOf(end), area.left(), area.right());
        gapBands_[used]->setRect(QRectF(left, area.top(), std::max(right - left, 2.0), area.height()));
        gapBands_[used++]->show();
        gapNote_->setPos(left + 3, area.top() + 3);
        gapNote_->show();
    }
    for (std::size_t k = used; k < gapBands_.size(); ++k)
        gapBands_[k]->hide();
}

void PlotPane::placeNames()
{
    const QRectF area = chart_->plotArea();
    const double low = -0.25, high = double(lines_.size()) * TraceStep - 0.25;
    for (const Line& line : lines_) {
        if (!line.name)
            continue;
        const double middle = area.bottom() - (line.offset + 0.5 - low) / (high - low) * area.height();
        const QRectF box = line.name->boundingRect();
        line.name->setPos(area.left() - box.width() - 6, middle - box.height() / 2);
    }
}

QMargins PlotPane::baseMargins() const
{
    return {Margin + int(std::ceil(namesWidth_)) + (namesWidth_ > 0 ? 6 : 0), Margin, Margin, Margin};
}

bool PlotPane::clickName(QPointF scene)
{
    for (const Line& line : lines_) {
        if (line.name && line.name->sceneBoundingRect().contains(scene)) {
            show(line.series, !line.shown);
            return true;
        }
    }
    return false;
}

void PlotPane::placeLines(double crosshair, double markerA, double markerB)
{
    placeNames();
    const QRectF area = chart_->plotArea();
    auto place = [&](QGraphicsLineItem* item, double t) {
        const bool inView = t >= from_ && t <= to_;
        item->setVisible(inView);
        if (inView)
            item->setLine(xOf(t), area.top(), xOf(t), area.bottom());
        return inView;
    };
    place(crosshair_, crosshair);
    const double at[2] = {markerA, markerB};
    for (int m = 0; m < 2; ++m) {
        markerNames_[m]->setVisible(place(markers_[m], at[m]));
        markerNames_[m]->setPos(xOf(at[m]) + 2, area.top());
    }
    shadeGaps();
}

void PlotPane::show(std::size_t series, bool shown)
{
    for (Line& line : lines_) {
        if (line.series != series)
            continue;
        line.shown = shown;
        for (QLineSeries* s : line.pieces)
            s->setVisible(shown);
        // A hidden series stays in the legend, greyed, so that it can be shown again.
        QLegendMarker* marker = chart_->legend()->markers(line.pieces.front()).value(0);
        marker->setVisible(true);
        QColor label = marker->labelBrush().color();
        label.setAlphaF(shown ? 1.0 : 0.4);
        marker->setLabelBrush(label);
        if (line.name)
            line.name->setOpacity(shown ? 1.0 : 0.4);
    }
    fitY();
}

bool PlotPane::shown(std::size_t series) const
{
    for (const Line& line : lines_)
        if (line.series == series)
            return line.shown;
    return false;
}

std::vector<QList<QPointF>> PlotPane::drawn(std::size_t series) const
{
    std::vector<QList<QPointF>> pieces;
    for (const Line& line : lines_)
        if (line.series == series)
            for (QLineSeries* s : line.pieces)
                if (s->count() > 0)
                    pieces.push_back(s->points());
    return pieces;
}
