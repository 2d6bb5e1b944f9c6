#pragma once

#include "Series.h"

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QMargins>
#include <QPointF>

#include <cstddef>
#include <vector>

class History;
class PlotView;
class QAbstractAxis;
class QChart;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QPalette;
class QValueAxis;
class QWidget;

// One chart of the plot, for the series that share a scale: measured values of one unit, the
// digital traces stacked one above the other, or a word. It draws what a history holds between
// two times, with the spans of a lost port shaded, a crosshair and two markers.
class PlotPane {
    Q_DECLARE_TR_FUNCTIONS(PlotPane)

public:
    enum class Scale { Natural, Auto, Fixed };
    // Around each chart, before the room that lines its time axis up with the others'.
    static constexpr int Margin = 4;
    // The chart's own margins: a digital pane's leave room on the left for the traces' names.
    QMargins baseMargins() const;

    PlotPane(const History& history, const std::vector<Series>& all, std::vector<std::size_t> members,
             const QPalette& palette, QWidget* parent);

    PlotView* view() const { return view_; }
    QChart* chart() const { return chart_; }
    Series::Kind kind() const { return kind_; }
    const std::vector<std::size_t>& members() const { return members_; }

    void redraw(double from, double to);
    // Measured values only: the natural range, the visible values' or a fixed one.
    void setScale(Scale scale, double low = 0, double high = 0);
    void show(std::size_t series, bool shown);
    bool shown(std::size_t series) const;
    // The crosshair and markers at these times (NaN: none).
    void placeLines(double crosshair, double markerA, double markerB);
    // A click at `scene` on a digital trace's name hides or shows it: true when it was one.
    bool clickName(QPointF scene);
    // The points drawn for a series, piece by piece.
    std::vector<QList<QPointF>> drawn(std::size_t series) const;

private:
    struct Line {
        std::size_t series;
        double offset;
        std::vector<QLineSeries*> pieces;
        bool shown = true;
        QGraphicsSimpleTextItem* name = nullptr;  // a digital trace's, beside it
    };
    void colour(const QPalette& palette);
    void addAxes(const std::vector<Series>& all, const QPalette& palette);
    void addLineItems(const QPalette& palette);
    QLineSeries* piece(Line& line, std::size_t k);
    void fitY();
    void shadeGaps();
    double xOf(double seconds) const;
    void placeNames();
    QGraphicsLineItem* lineItem(const QColor& colour, Qt::PenStyle style);

    const History& history_;
    std::vector<std::size_t> members_;
    Series::Kind kind_;
    double low_, high_;  // the natural range
    QChart* chart_;
    PlotView* view_;
    QValueAxis* x_ = nullptr;
    QAbstractAxis* y_ = nullptr;
    std::vector<Line> lines_;
    Scale scale_ = Scale::Natural;
    double fixedLow_ = 0, fixedHigh_ = 0;
    double from_ = 0, to_ = 1;
    QGraphicsLineItem* crosshair_;
    QGraphicsLineItem* markers_[2];
    QGraphicsSimpleTextItem* markerNames_[2];
    std::vector<QGraphicsRectItem*> gapBands_;
    QGraphicsSimpleTextItem* gapNote_;
    double namesWidth_ = 0;
};
