#pragma once

#include "PlotPane.h"
#include "Series.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class History;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;

// The plot of what a program's window shows, over time: a chart per scale (measured values,
// digital traces, a word), the time window to show, Pause and Run, the values under the
// pointer, two markers with the differences between them, the Y range, the series to show,
// and the data and picture saved to files.
class PlotWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PlotWindow)

public:
    // The time windows offered, in seconds; 0 is everything.
    static constexpr double Spans[] = {10, 60, 600, 0};

    PlotWindow(const History& history, std::vector<Series> series, QDateTime startUtc, const QString& title,
               bool offersReadEvery);
    ~PlotWindow() override;

    // New data: drawn soon, at most 30 times a second, unless the view is paused.
    void dataChanged();

    // What the user does, also for tests.
    void setSpan(int index);
    void setPaused(bool paused);
    bool paused() const;
    void setMarker(double seconds);  // A, then B, then A again
    void clearMarkers();
    void setAutoY(bool on);
    double markerA() const { return markers_[0]; }
    double markerB() const { return markers_[1]; }
    // The time range in view.
    double from() const { return from_; }
    double to() const { return to_; }
    QString readout() const;
    std::vector<QList<QPointF>> drawn(std::size_t series) const;
    const std::vector<std::unique_ptr<PlotPane>>& panes() const { return panes_; }
    bool saveCsv(const QString& path, bool visibleOnly, QString& error) const;
    bool savePng(const QString& path) const;

    // "Read every": on or off and its interval in ms, for the window to act on.
    std::function<void(bool on, int intervalMs)> readEvery;
    std::function<void()> closed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildControls(bool offersReadEvery);
    void addViewControls(QHBoxLayout* row);
    void addYControls(QHBoxLayout* row);
    void addReadEvery(QHBoxLayout* row);
    void addMarkersAndSave(QHBoxLayout* row);
    void buildPanes(QWidget* area);
    void alignPanes();
    // The range from the data (live) or as it stands (paused).
    void redraw(bool live);
    void spanChanged();
    void placeLines();
    void hover(double seconds);
    void applyY();
    void askSaveCsv();
    void askSavePng();
    void readEveryChanged();
    QString markerText() const;
    QString defaultName(const QString& suffix) const;

    const History& history_;
    std::vector<Series> series_;
    QDateTime startUtc_;
    std::vector<std::unique_ptr<PlotPane>> panes_;
    QWidget* chartArea_ = nullptr;
    QComboBox* span_ = nullptr;
    QPushButton* pause_ = nullptr;
    QCheckBox* autoY_ = nullptr;
    QDoubleSpinBox* yLow_ = nullptr;
    QDoubleSpinBox* yHigh_ = nullptr;
    QCheckBox* readEveryBox_ = nullptr;
    QDoubleSpinBox* readEverySeconds_ = nullptr;
    QLabel* readout_ = nullptr;
    QTimer* redrawTimer_ = nullptr;
    int chartsHeight_ = 0;  // what the charts want, in pixels
    double from_ = 0, to_ = 10;
    double crosshair_;
    double markers_[2];
};
