#include "PlotWindow.h"

#include "CsvText.h"
#include "History.h"
#include "PlotView.h"

#include <QCheckBox>
#include <QChart>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();
constexpr int RedrawMs = 34;  // at most 30 redraws a second

QString seconds(double t)
{
    return QLocale().toString(t, 'f', 3) + QStringLiteral(" s");
}

// The series in charts of their own scale: measured values by unit, then the digital traces
// together, then each word.
std::vector<std::vector<std::size_t>> paneMembers(const std::vector<Series>& series)
{
    std::vector<std::vector<std::size_t>> panes;
    std::vector<QString> units;
    std::vector<std::size_t> digital;
    std::vector<std::vector<std::size_t>> words;
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (series[i].kind == Series::Kind::Digital) {
            digital.push_back(i);
        } else if (series[i].kind == Series::Kind::Word) {
            words.push_back({i});
        } else {
            const auto unit = std::find(units.begin(), units.end(), series[i].unit);
            if (unit == units.end()) {
                units.push_back(series[i].unit);
                panes.push_back({i});
            } else {
                panes[std::size_t(unit - units.begin())].push_back(i);
            }
        }
    }
    if (!digital.empty())
        panes.push_back(digital);
    panes.insert(panes.end(), words.begin(), words.end());
    return panes;
}

} // namespace

PlotWindow::PlotWindow(const History& history, std::vector<Series> series, QDateTime startUtc, const QString& title,
                       bool offersReadEvery)
    : history_(history), series_(std::move(series)), startUtc_(std::move(startUtc)), crosshair_(None),
      markers_{None, None}
{
    //: The plot window's title: the program's window title, then the plot's name.
    setWindowTitle(tr("%1 — Plot").arg(title));
    setObjectName(QStringLiteral("plot"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls(offersReadEvery));
    chartArea_ = new QWidget(this);
    buildPanes(chartArea_);
    layout->addWidget(chartArea_, 1);
    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("readout"));
    readout_->setWordWrap(true);
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(readout_);

    redrawTimer_ = new QTimer(this);
    redrawTimer_->setSingleShot(true);
    redrawTimer_->setInterval(RedrawMs);
    connect(redrawTimer_, &QTimer::timeout, this, [this] { redraw(!paused()); });
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(space, &QShortcut::activated, this, [this] { setPaused(!paused()); });
    // As tall as the charts want, within the screen.
    const QSize wanted(720, std::max(440, chartsHeight_ + layout->sizeHint().height()));
    const QSize room = screen()->availableSize() * 0.9;
    resize(wanted.boundedTo(room));
    redraw(true);
}

PlotWindow::~PlotWindow() = default;

QWidget* PlotWindow::buildControls(bool offersReadEvery)
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    addViewControls(row);
    addYControls(row);
    if (offersReadEvery)
        addReadEvery(row);
    row->addStretch(1);
    addMarkersAndSave(row);
    return bar;
}

void PlotWindow::addViewControls(QHBoxLayout* row)
{
    span_ = new QComboBox;
    span_->setObjectName(QStringLiteral("span"));
    //: The spans of time the plot shows; "All" is the whole time since the start.
    span_->addItems({tr("10 s"), tr("1 min"), tr("10 min"), tr("All")});
    span_->setToolTip(tr("How much of the time to show"));
    connect(span_, &QComboBox::currentIndexChanged, this, [this] { spanChanged(); });
    row->addWidget(span_);

    //: Stops the view from following the data.
    pause_ = new QPushButton(tr("Pause"));
    pause_->setObjectName(QStringLiteral("pause"));
    pause_->setCheckable(true);
    pause_->setToolTip(tr("Stop the view; the data keep coming in (Space)"));
    connect(pause_, &QPushButton::toggled, this, [this](bool on) { setPaused(on); });
    row->addWidget(pause_);
}

void PlotWindow::addYControls(QHBoxLayout* row)
{
    autoY_ = new QCheckBox(tr("Auto Y"));
    autoY_->setObjectName(QStringLiteral("autoY"));
    autoY_->setToolTip(tr("Fit the Y axis to the values in view"));
    connect(autoY_, &QCheckBox::toggled, this, [this] { applyY(); });
    row->addWidget(autoY_);
    const auto measured = std::find_if(series_.begin(), series_.end(), [](const Series& s) { return s.kind == Series::Kind::Analog; });
    if (measured == series_.end())
        return;
    // The measured values' fixed range, at first the quantity's whole range.
    auto limit = [&](double value, const char* name) {
        auto* box = new QDoubleSpinBox;
        box->setObjectName(QLatin1String(name));
        box->setRange(-1e6, 1e6);
        box->setDecimals(2);
        box->setValue(value);
        box->setSuffix(QChar(u' ') + measured->unit);
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { applyY(); });
        row->addWidget(box);
        return box;
    };
    yLow_ = limit(measured->low, "yLow");
    //: Between the lowest and the highest value of the Y axis's fixed range.
    row->addWidget(new QLabel(tr("to")));
    yHigh_ = limit(measured->high, "yHigh");
}

void PlotWindow::addReadEvery(QHBoxLayout* row)
{
    //: Followed by an interval in seconds: the window reads the board that often.
    readEveryBox_ = new QCheckBox(tr("Read every"));
    readEveryBox_->setObjectName(QStringLiteral("readEvery"));
    readEverySeconds_ = new QDoubleSpinBox;
    readEverySeconds_->setObjectName(QStringLiteral("readEverySeconds"));
    readEverySeconds_->setRange(0.5, 60);
    readEverySeconds_->setSingleStep(0.5);
    readEverySeconds_->setDecimals(1);
    readEverySeconds_->setValue(1);
    readEverySeconds_->setSuffix(QStringLiteral(" s"));
    connect(readEveryBox_, &QCheckBox::toggled, this, [this] { readEveryChanged(); });
    connect(readEverySeconds_, &QDoubleSpinBox::valueChanged, this, [this] { readEveryChanged(); });
    row->addWidget(readEveryBox_);
    row->addWidget(readEverySeconds_);
}

void PlotWindow::addMarkersAndSave(QHBoxLayout* row)
{
    auto* clear = new QPushButton(tr("Clear markers"));
    clear->setObjectName(QStringLiteral("clearMarkers"));
    clear->setToolTip(tr("Click in the chart to set marker A, then B"));
    connect(clear, &QPushButton::clicked, this, [this] { clearMarkers(); });
    row->addWidget(clear);

    auto* save = new QToolButton;
    save->setText(tr("Save"));
    save->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(save);
    QAction* csv = menu->addAction(tr("Save data as CSV…"), this, [this] { askSaveCsv(); });
    csv->setShortcut(QKeySequence::Save);
    QAction* png = menu->addAction(tr("Save image as PNG…"), this, [this] { askSavePng(); });
    png->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addAction(csv);  // the shortcuts work in the whole window
    addAction(png);
    save->setMenu(menu);
    row->addWidget(save);
}

void PlotWindow::buildPanes(QWidget* area)
{
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    for (std::vector<std::size_t>& members : paneMembers(series_)) {
        const bool digital = series_[members.front()].kind == Series::Kind::Digital;
        // In lines of text: a digital trace wants its name's line and a little room, a scale of
        // values room for its labels (Qt Charts elides them all when they would touch).
        const int traces = int(members.size());
        const int lines = digital ? traces * 8 / 5 + 4 : 14;
        const int fewest = digital ? traces + 3 : 11;
        panes_.push_back(std::make_unique<PlotPane>(history_, series_, std::move(members), palette(), area));
        PlotView* view = panes_.back()->view();
        view->hovered = [this](double t) { hover(t); };
        view->clicked = [this](double t) { setMarker(t); };
        view->pressed = [pane = panes_.back().get()](QPointF scene) { return pane->clickName(scene); };
        view->resized = [this] { redrawTimer_->start(); };
        view->setMinimumHeight(fewest * fontMetrics().height());
        chartsHeight_ += lines * fontMetrics().height();
        column->addWidget(view, lines);
    }
    // The time axis is named once, under the lowest chart.
    for (std::size_t k = 0; k + 1 < panes_.size(); ++k)
        panes_[k]->chart()->axes(Qt::Horizontal).front()->setTitleVisible(false);
    for (const auto& pane : panes_)
        connect(pane->chart(), &QChart::plotAreaChanged, this, [this] {
            QMetaObject::invokeMethod(this, [this] { alignPanes(); }, Qt::QueuedConnection);
        });
}

void PlotWindow::alignPanes()
{
    // Each chart's plot area as its own axes and legend leave it; then all as narrow as the
    // narrowest, so that one time lies at one place in every chart.
    std::vector<QRectF> natural;
    double left = -INFINITY, right = INFINITY;
    for (const auto& pane : panes_) {
        const QMargins extra = pane->chart()->margins() - pane->baseMargins();
        natural.push_back(pane->chart()->plotArea().adjusted(-extra.left(), 0, extra.right(), 0));
        left = std::max(left, natural.back().left());
        right = std::min(right, natural.back().right());
    }
    for (std::size_t k = 0; k < panes_.size(); ++k) {
        const QMargins m = panes_[k]->baseMargins() +
                           QMargins(int(std::lround(left - natural[k].left())), 0, int(std::lround(natural[k].right() - right)), 0);
        if (m != panes_[k]->chart()->margins())
            panes_[k]->chart()->setMargins(m);
    }
}

void PlotWindow::dataChanged()
{
    if (!paused() && !redrawTimer_->isActive())
        redrawTimer_->start();
}

void PlotWindow::redraw(bool live)
{
    if (live) {
        const double span = Spans[std::max(0, span_->currentIndex())];
        if (span > 0) {
            to_ = std::max(history_.latest(), span);
            from_ = to_ - span;
        } else {
            from_ = std::min(history_.earliest(), history_.latest());
            to_ = std::max(history_.latest(), from_ + 1);
        }
    }
    for (const auto& pane : panes_)
        pane->redraw(from_, to_);
    placeLines();
}

void PlotWindow::placeLines()
{
    for (const auto& pane : panes_)
        pane->placeLines(crosshair_, markers_[0], markers_[1]);
    readout_->setText(readout());
}

void PlotWindow::setSpan(int index)
{
    span_->setCurrentIndex(index);  // spanChanged, when it is another
}

void PlotWindow::spanChanged()
{
    if (paused()) {
        // The view keeps its end, and shows as much before it as chosen.
        const double span = Spans[std::max(0, span_->currentIndex())];
        from_ = span > 0 ? to_ - span : history_.earliest();
    }
    redraw(!paused());
}

void PlotWindow::setPaused(bool paused)
{
    if (pause_->isChecked() != paused)
        pause_->setChecked(paused);  // comes back here through toggled
    //: Lets the stopped view follow the data again.
    pause_->setText(paused ? tr("Run") : tr("Pause"));
    // The view stands still as it is at this moment, with all that came in before it.
    redrawTimer_->stop();
    redraw(true);
}

bool PlotWindow::paused() const
{
    return pause_->isChecked();
}

void PlotWindow::setMarker(double seconds)
{
    if (std::isnan(markers_[0]) || !std::isnan(markers_[1])) {
        markers_[0] = seconds;
        markers_[1] = None;
    } else {
        markers_[1] = seconds;
    }
    placeLines();
}

void PlotWindow::clearMarkers()
{
    markers_[0] = markers_[1] = None;
    placeLines();
}

void PlotWindow::setAutoY(bool on)
{
    autoY_->setChecked(on);
}

void PlotWindow::applyY()
{
    for (const auto& pane : panes_) {
        if (autoY_->isChecked())
            pane->setScale(PlotPane::Scale::Auto);
        else if (pane->kind() == Series::Kind::Analog && yLow_)
            pane->setScale(PlotPane::Scale::Fixed, yLow_->value(), yHigh_->value());
        else
            pane->setScale(PlotPane::Scale::Natural);
    }
    if (yLow_) {
        yLow_->setEnabled(!autoY_->isChecked());
        yHigh_->setEnabled(!autoY_->isChecked());
    }
}

void PlotWindow::hover(double seconds)
{
    crosshair_ = seconds;
    placeLines();
}

QString PlotWindow::readout() const
{
    QStringList parts;
    if (!std::isnan(crosshair_)) {
        QStringList values{QStringLiteral("t = %1").arg(seconds(crosshair_))};
        for (std::size_t s = 0; s < series_.size(); ++s)
            values << QStringLiteral("%1 %2").arg(series_[s].shownName(), series_[s].readout(history_.valueAt(crosshair_, s)));
        parts << values.join(QStringLiteral(" · "));
    }
    if (!std::isnan(markers_[0]))
        parts << markerText();
    return parts.join(u'\n');
}

QString PlotWindow::markerText() const
{
    const double a = markers_[0], b = markers_[1];
    if (std::isnan(b))
        return tr("A = %1 · click again for B").arg(seconds(a));
    QStringList text{QStringLiteral("A = %1").arg(seconds(a))};
    text << QStringLiteral("B = %1").arg(seconds(b)) << QStringLiteral("Δt = %1").arg(seconds(b - a));
    for (std::size_t s = 0; s < series_.size(); ++s) {
        const Series& series = series_[s];
        const double va = history_.valueAt(a, s), vb = history_.valueAt(b, s);
        if (series.kind == Series::Kind::Analog)
            text << QStringLiteral("%1 Δ%2 = %3").arg(series.shownName(), series.unit,
                                                      std::isnan(va - vb) ? QStringLiteral("—")
                                                                          : QLocale().toString(vb - va, 'f', 3));
        else
            text << QStringLiteral("%1 %2 → %3").arg(series.shownName(), series.readout(va), series.readout(vb));
    }
    return text.join(QStringLiteral(" · "));
}

std::vector<QList<QPointF>> PlotWindow::drawn(std::size_t series) const
{
    for (const auto& pane : panes_)
        if (std::find(pane->members().begin(), pane->members().end(), series) != pane->members().end())
            return pane->drawn(series);
    return {};
}

bool PlotWindow::saveCsv(const QString& path, bool visibleOnly, QString& error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = tr("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    file.write(CsvText::header(series_));
    std::vector<double> values(series_.size());
    for (std::size_t i = visibleOnly ? history_.firstFrom(from_) : 0; i < history_.size(); ++i) {
        if (visibleOnly && history_.time(i) > to_)
            break;
        for (std::size_t s = 0; s < series_.size(); ++s)
            values[s] = history_.value(i, s);
        file.write(CsvText::row(startUtc_, history_.time(i), values, series_));
    }
    if (!file.commit()) {
        error = tr("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool PlotWindow::savePng(const QString& path) const
{
    return chartArea_->grab().save(path, "PNG");
}

QString PlotWindow::defaultName(const QString& suffix) const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir::home().filePath(QStringLiteral("%1-%2.%3").arg(QCoreApplication::applicationName(), stamp, suffix));
}

void PlotWindow::askSaveCsv()
{
    QMessageBox which(QMessageBox::Question, windowTitle(), tr("Save which data?"), QMessageBox::Cancel, this);
    QPushButton* all = which.addButton(tr("Everything"), QMessageBox::AcceptRole);
    QPushButton* visible = which.addButton(tr("The visible range (%1 to %2)").arg(seconds(from_), seconds(to_)),
                                           QMessageBox::AcceptRole);
    which.exec();
    if (which.clickedButton() != all && which.clickedButton() != visible)
        return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Save data as CSV"), defaultName(QStringLiteral("csv")),
                                                      tr("CSV files (*.csv)"));
    if (QString error; !path.isEmpty() && !saveCsv(path, which.clickedButton() == visible, error))
        QMessageBox::warning(this, windowTitle(), error);
}

void PlotWindow::askSavePng()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save image as PNG"), defaultName(QStringLiteral("png")),
                                                      tr("PNG images (*.png)"));
    if (!path.isEmpty() && !savePng(path))
        QMessageBox::warning(this, windowTitle(), tr("Cannot save %1.").arg(path));
}

void PlotWindow::readEveryChanged()
{
    if (readEvery)
        readEvery(readEveryBox_->isChecked(), int(std::lround(readEverySeconds_->value() * 1000)));
}

void PlotWindow::closeEvent(QCloseEvent* event)
{
    if (readEveryBox_)
        readEveryBox_->setChecked(false);  // the timer stops with the plot
    if (closed)
        closed();
    QWidget::closeEvent(event);
}
