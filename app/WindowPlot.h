#pragma once

#include "Readings.h"
#include "Trace.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class CsvRecorder;
class FormWindow;
class History;
class PlotWindow;
class QAction;
class QTimer;

// A program window's plot and recording. After each of the window's handlers it takes what
// the window shows (its controls, never the port) into a history, which the plot draws and a
// recording writes out; while the port is lost, a gap. Nothing of it runs before the plot is
// first opened or a recording starts. The window's context menu and two shortcuts open the
// plot and start and stop a recording.
class WindowPlot : public QObject {
    Q_DECLARE_TR_FUNCTIONS(WindowPlot)

public:
    // The most entries kept: well over an hour at ten changes a second.
    static constexpr std::size_t Entries = 100'000;

    // Goes before `window` does, or after it (then it leaves the window alone). Times count
    // from `epoch`, the program's start.
    // `readings` tells what the window shows, as it stands when the plot or recording starts.
    WindowPlot(FormWindow& window, std::function<Readings(FormWindow&)> readings, Trace::Clock::time_point epoch,
               QString programName);
    ~WindowPlot() override;

    PlotWindow& showPlot();
    // A recording into `path`, from now on; false with `error` set when the file cannot be made.
    // A write that fails later stops it, said on standard error, and in a box when `inBox`.
    bool startRecording(const QString& path, QString& error, bool inBox = false);
    void stopRecording();
    bool recording() const { return recorder_ != nullptr; }

    const History* history() const { return history_.get(); }
    PlotWindow* plot() const { return plot_.get(); }

private:
    void addActions();
    void follow();
    void sample();
    double now() const;
    void askRecording();
    void recordingFailed(const QString& message, bool inBox);

    FormWindow& window_;
    QPointer<QObject> windowAlive_;
    std::function<Readings(FormWindow&)> readingsOf_;
    Readings readings_;
    Trace::Clock::time_point epoch_;
    QDateTime startUtc_;
    QString program_;
    std::unique_ptr<History> history_;
    std::unique_ptr<PlotWindow> plot_;
    std::unique_ptr<CsvRecorder> recorder_;
    QTimer* readTimer_ = nullptr;  // the window's, for "Read every"
    QAction* recordAction_ = nullptr;
};
