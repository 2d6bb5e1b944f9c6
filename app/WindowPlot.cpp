#include "WindowPlot.h"

#include "CsvRecorder.h"
#include "FormWindow.h"
#include "History.h"
#include "PlotWindow.h"
#include "Say.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include <chrono>

WindowPlot::WindowPlot(FormWindow& window, std::function<Readings(FormWindow&)> readings, Trace::Clock::time_point epoch,
                       QString programName)
    : window_(window), windowAlive_(&window), readingsOf_(std::move(readings)), epoch_(epoch), program_(std::move(programName))
{
    const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(Trace::Clock::now() - epoch_);
    startUtc_ = QDateTime::currentDateTimeUtc().addMSecs(-since.count());
    addActions();
}

WindowPlot::~WindowPlot()
{
    if (windowAlive_)
        window_.watchHandlers(nullptr);
}

void WindowPlot::addActions()
{
    // On the window's background and frames; the text boxes keep their own menus.
    window_.setContextMenuPolicy(Qt::ActionsContextMenu);
    //: A context menu entry: opens the plot of the window's values over time.
    auto* plot = new QAction(tr("Plot…"), &window_);
    plot->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(plot, &QAction::triggered, this, [this] { showPlot(); });
    recordAction_ = new QAction(tr("Record to file…"), &window_);
    recordAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    connect(recordAction_, &QAction::triggered, this, [this] { recording() ? stopRecording() : askRecording(); });
    window_.addAction(plot);
    window_.addAction(recordAction_);
}

double WindowPlot::now() const
{
    return std::chrono::duration<double>(Trace::Clock::now() - epoch_).count();
}

void WindowPlot::follow()
{
    if (history_)
        return;
    readings_ = readingsOf_(window_);
    history_ = std::make_unique<History>(readings_.series.size(), Entries);
    window_.watchHandlers([this] { sample(); });
    sample();  // what the window shows already
}

void WindowPlot::sample()
{
    const double t = now();
    if (window_.suspended()) {
        history_->lose(t);
    } else {
        const std::vector<double> values = readings_.read();
        if (history_->add(t, values) && recorder_)
            recorder_->row(t, values);
    }
    if (plot_ && plot_->isVisible())
        plot_->dataChanged();
}

PlotWindow& WindowPlot::showPlot()
{
    follow();
    if (!plot_) {
        plot_ = std::make_unique<PlotWindow>(*history_, readings_.series, startUtc_, window_.windowTitle(),
                                             bool(readings_.readNow));
        plot_->setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its own window
        if (readings_.readNow) {
            readTimer_ = window_.addTimerOnRequest("readEvery", readings_.readNow);
            plot_->readEvery = [this](bool on, int ms) { window_.runTimer(readTimer_, on, ms); };
        }
    }
    plot_->show();
    plot_->raise();
    plot_->activateWindow();
    plot_->dataChanged();
    return *plot_;
}

bool WindowPlot::startRecording(const QString& path, QString& error, bool inBox)
{
    follow();
    recorder_ = CsvRecorder::create(path, readings_.series, startUtc_, error);
    if (!recorder_)
        return false;
    recorder_->onFailure([this, inBox](const QString& message) { recordingFailed(message, inBox); });
    // The values shown when the recording starts, as its first row, unless the port is lost.
    if (history_->size() && !history_->lost()) {
        const std::size_t last = history_->size() - 1;
        std::vector<double> values(history_->width());
        for (std::size_t s = 0; s < values.size(); ++s)
            values[s] = history_->value(last, s);
        recorder_->row(history_->time(last), values);
    }
    recordAction_->setText(tr("Stop recording"));
    return true;
}

void WindowPlot::stopRecording()
{
    recorder_.reset();  // written out as it goes
    recordAction_->setText(tr("Record to file…"));
}

void WindowPlot::askRecording()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    //: The title of the file dialog that asks where to record.
    const QString path = QFileDialog::getSaveFileName(&window_, tr("Record to file"),
                                                      QDir::home().filePath(QStringLiteral("%1-%2.csv").arg(program_, stamp)),
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (QString error; !startRecording(path, error, true))
        window_.showMessage(error, QMessageBox::Warning);
}

void WindowPlot::recordingFailed(const QString& message, bool inBox)
{
    say(program_, message);
    // Told after the write that failed has returned: the recorder goes, the program carries on.
    QMetaObject::invokeMethod(this, [this, message, inBox] {
        stopRecording();
        if (inBox)
            window_.showMessage(message, QMessageBox::Warning);
    }, Qt::QueuedConnection);
}
