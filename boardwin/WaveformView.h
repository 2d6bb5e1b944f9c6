#pragma once

#include "WaveformLayout.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QCoreApplication>

class QPainter;

// Draws a waveform: a time axis in microseconds, each line's trace, and the rows of bits and
// items beneath. The wheel zooms about the pointer (with Shift it scrolls), the scroll bar and
// the arrow keys scroll, + and - zoom, and F (or Home) shows the whole transaction again. The
// colours are the palette's, so that it fits a light or a dark window.
class WaveformView : public QAbstractScrollArea {
    Q_DECLARE_TR_FUNCTIONS(WaveformView)

public:
    static constexpr int NameWidth = 44;
    static constexpr int AxisHeight = 20;
    static constexpr int TraceHeight = 28;
    static constexpr int MarkHeight = 20;

    explicit WaveformView(QWidget* parent = nullptr);

    // Draws `waveform`, whole.
    void setWaveform(WaveformLayout waveform);
    const WaveformLayout& waveform() const { return waveform_; }
    void showWhole();
    // Zooms by `factor`, keeping the time at viewport x `aroundX` in place.
    void zoom(double factor, int aroundX);
    double pixelsPerMicrosecond() const { return scale_; }
    // The times at the left and right edges of the drawing area.
    double firstShown() const;
    double lastShown() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The span drawn: the transaction with a little idle time either side.
    double spanStart() const;
    double spanEnd() const;
    double fitScale() const;
    void updateScrollBar();
    double xOf(double us) const;
    double timeAt(double x) const;
    // The parts of a paint, top down.
    QColor gridColor() const;
    void paintAxis(QPainter& p) const;
    int paintTraces(QPainter& p, int top) const;
    int paintMarks(QPainter& p, int top, const std::vector<WaveformLayout::Mark>& row, const QColor& fill,
                   const QString& name) const;

    WaveformLayout waveform_;
    double scale_ = 1;  // pixels per microsecond
    bool whole_ = true;
};
