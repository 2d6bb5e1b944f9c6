// The plot and the recording beside a program's window on its virtual board: what they take
// from the window, when, and what they do with a lost port.

#include "AdcPanelWindow.h"
#include "CommError.h"
#include "History.h"
#include "Languages.h"
#include "LineProbeWindow.h"
#include "ModalBoxCloser.h"
#include "Pcf8591Converter.h"
#include "PlotPane.h"
#include "PlotView.h"
#include "PlotWindow.h"
#include "ProgramTest.h"
#include "ShownTexts.h"
#include "TemperatureSensor.h"
#include "StatusInputs.h"
#include "ThermConfWindow.h"
#include "WindowPlot.h"

#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>

#include <cmath>

namespace {

// A port on the virtual board whose cable can be pulled: every access then fails as an
// unplugged adapter's does.
class PullableLines : public SerialLines {
public:
    PullableLines(std::unique_ptr<SerialLines> inner, const bool& pulled) : inner_(std::move(inner)), pulled_(pulled) {}
    void setDtr(bool v) override { check(), inner_->setDtr(v); }
    void setRts(bool v) override { check(), inner_->setRts(v); }
    void setBreak(bool v) override { check(), inner_->setBreak(v); }
    bool cd() override { return check(), inner_->cd(); }
    bool cts() override { return check(), inner_->cts(); }
    bool dsr() override { return check(), inner_->dsr(); }
    void write(std::uint8_t b) override { check(), inner_->write(b); }

private:
    void check() const
    {
        if (pulled_)
            throw CommError(CommError::Kind::DeviceFailed, "COM1: the device stopped answering");
    }
    std::unique_ptr<SerialLines> inner_;
    const bool& pulled_;
};

std::vector<QByteArray> csvRows(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QByteArray> rows;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty())
            rows.push_back(line.chopped(1));  // each line ends with CRLF
    return rows;
}

template <class Window>
class PlotTest : public ProgramTest<Window> {
protected:
    void SetUp() override
    {
        ProgramTest<Window>::SetUp();
        plot = std::make_unique<WindowPlot>(*this->window, programOf<Window>().readings,
                                            Trace::Clock::now(), QStringLiteral("test"));
    }
    void TearDown() override { plot.reset(); }

    const History& history() const { return *plot->history(); }
    std::size_t count(const std::string& prefix) const
    {
        return std::size_t(std::count_if(this->seen().begin(), this->seen().end(),
                                         [&](const std::string& t) { return t.rfind(prefix, 0) == 0; }));
    }

    QTemporaryDir dir;
    std::unique_ptr<WindowPlot> plot;
};

class AdcPanelPlot : public PlotTest<AdcPanelWindow> {
protected:
    void SetUp() override
    {
        pulled = false;
        open = [this](int, const LineSettings& s) {
            return std::make_unique<PullableLines>(std::make_unique<VirtualPort>(board, s), pulled);
        };
        PlotTest::SetUp();
        window->MSComm1.setFailureHandler([this](const std::string&) { window->suspend(QStringLiteral(" — lost")); });
        window->startTimers();
    }

    std::vector<QString> boxes() const
    {
        return {window->Text1->text(), window->Text2->text(), window->Text3->text(), window->Text4->text(),
                window->Text5->text()};
    }
    // Moves the four inputs, then lets the window's next tick show them; the boxes afterwards.
    std::vector<QString> tick(int step)
    {
        for (int channel = 0; channel < 4; ++channel)
            converter.setInput(channel, std::uint8_t(10 + 40 * channel + 7 * step));
        const std::size_t reads = count("S 91 R");
        EXPECT_TRUE(QTest::qWaitFor([&] { return count("S 91 R") > reads; }, 3000)) << "no tick";
        QTest::qWait(1);  // the queued look at the window, after the tick
        return boxes();
    }
    std::vector<double> entry(std::size_t i) const
    {
        std::vector<double> values;
        for (std::size_t s = 0; s < history().width(); ++s)
            values.push_back(history().value(i, s));
        return values;
    }
    static std::vector<double> numbers(const std::vector<QString>& texts)
    {
        std::vector<double> values;
        for (const QString& t : texts)
            values.push_back(QLocale().toDouble(t));
        return values;
    }

    Pcf8591Converter& converter = part<Pcf8591Converter>();
    bool pulled = false;
};

TEST_F(AdcPanelPlot, SeriesAndRowsAreWhatTheBoxesShowedTickForTickAndPauseStopsOnlyTheView)
{
    const QString path = dir.filePath(QStringLiteral("adc.csv"));
    QString error;
    ASSERT_TRUE(plot->startRecording(path, error)) << error.toStdString();
    PlotWindow& view = plot->showPlot();
    view.setSpan(3);  // everything
    std::vector<std::vector<QString>> shown;
    // More than the second that the view shows at least, so that it ends at the last entry.
    for (int step = 0; step < 6; ++step)
        shown.push_back(tick(step));
    view.setPaused(true);
    const double from = view.from(), to = view.to();
    const auto drawnBefore = view.drawn(0);
    for (int step = 6; step < 8; ++step)
        shown.push_back(tick(step));

    // The first entry is the window before its first tick (blank boxes); one per tick after.
    ASSERT_EQ(history().size(), shown.size() + 1);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(entry(i + 1), numbers(shown[i])) << "tick " << i;
    // Paused: the data came in, the view stood still.
    EXPECT_EQ(view.from(), from);
    EXPECT_EQ(view.to(), to);
    EXPECT_EQ(view.drawn(0), drawnBefore);
    // The visible range holds just the rows in view: not the two that came in since.
    const QString visible = dir.filePath(QStringLiteral("visible.csv"));
    ASSERT_TRUE(view.saveCsv(visible, true, error)) << error.toStdString();
    const auto visibleRows = csvRows(visible);
    ASSERT_EQ(visibleRows.size(), history().size() - 2 + 1);  // the heading, the entries up to the pause
    EXPECT_EQ(visibleRows.back().split(',').value(1), QByteArray::number(history().time(history().size() - 3), 'f', 3));
    // A shorter time window ends where the paused view ends.
    view.setSpan(0);
    EXPECT_EQ(view.to(), to);
    EXPECT_EQ(view.from(), to - 10);
    view.setSpan(3);
    QTest::keyClick(&view, Qt::Key_Space);  // Run again
    EXPECT_FALSE(view.paused());
    QTest::qWait(50);
    EXPECT_GT(view.to(), to);
    const QString picture = dir.filePath(QStringLiteral("plot.png"));
    ASSERT_TRUE(view.savePng(picture));
    EXPECT_GE(QImage(picture).width(), view.panes().front()->view()->width());  // the charts, as drawn
    const auto drawn = view.drawn(0);
    ASSERT_EQ(drawn.size(), 1u);
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(drawn[0].contains(QPointF(history().time(i + 1), numbers(shown[i])[0]))) << "tick " << i;

    plot->stopRecording();
    const auto rows = csvRows(path);
    ASSERT_EQ(rows.size(), shown.size() + 2);  // the heading, the blank start, the ticks
    EXPECT_EQ(rows[0], "time (UTC),seconds,AIN0 (V),AIN1 (V),AIN2 (V),AIN3 (V),AOUT (V)");
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QList<QByteArray> fields = rows[i + 2].split(',');
        ASSERT_EQ(fields.size(), 7);
        EXPECT_EQ(fields[1], QByteArray::number(history().time(i + 1), 'f', 3));
        for (std::size_t s = 0; s < 5; ++s)
            EXPECT_EQ(fields[qsizetype(s) + 2].toDouble(), numbers(shown[i])[s]) << "tick " << i << " series " << s;
    }

}

TEST_F(AdcPanelPlot, TwoMarkersGiveTheTimeAndVoltageBetweenThem)
{
    PlotWindow& view = plot->showPlot();
    const auto first = numbers(tick(0));
    const double a = history().time(history().size() - 1);
    const auto second = numbers(tick(5));
    const double b = history().time(history().size() - 1);
    view.setMarker(a);
    view.setMarker(b);
    const QString readout = view.readout();
    const QLocale locale;
    EXPECT_TRUE(readout.contains(QStringLiteral("Δt = %1 s").arg(locale.toString(b - a, 'f', 3)))) << readout.toStdString();
    EXPECT_TRUE(readout.contains(QStringLiteral("AIN1 ΔV = %1").arg(locale.toString(second[1] - first[1], 'f', 3))))
        << readout.toStdString();
    // Auto Y: the axis just around the values drawn, not the whole 0 to 5 V.
    view.setAutoY(true);
    auto* y = qobject_cast<QValueAxis*>(view.panes().front()->chart()->axes(Qt::Vertical).front());
    double low = 5, high = 0;
    for (std::size_t s = 0; s < 5; ++s)
        for (const auto& piece : view.drawn(s))
            for (const QPointF& p : piece)
                low = std::min(low, p.y()), high = std::max(high, p.y());
    EXPECT_LE(y->min(), low);
    EXPECT_GE(y->max(), high);
    EXPECT_LT(y->max() - y->min(), (high - low) * 1.2);
    view.setAutoY(false);
    EXPECT_EQ(y->max(), 5);
    // A third click starts again from A.
    view.setMarker(b);
    EXPECT_EQ(view.markerA(), b);
    EXPECT_TRUE(std::isnan(view.markerB()));

    // The pointer halfway between the readings: the first one's values under the crosshair; a
    // click there sets marker B within a pixel of it.
    PlotView* chartView = view.panes().front()->view();
    QChart* chart = chartView->chart();
    const double middle = (a + b) / 2;
    const QPoint point = chartView->mapFromScene(chart->mapToScene(chart->mapToPosition(QPointF(middle, 2.5))));
    // Sent as the window system would: Qt Test moves the pointer with the cursor, which an
    // offscreen screen does not have.
    QMouseEvent move(QEvent::MouseMove, point, chartView->viewport()->mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(chartView->viewport(), &move);
    const Series volts = Series::analog("AIN1", "V", 0, 5);
    EXPECT_TRUE(view.readout().contains("AIN1 " + volts.readout(first[1]))) << view.readout().toStdString();
    QTest::mouseClick(chartView->viewport(), Qt::LeftButton, {}, point);
    const double pixel = (view.to() - view.from()) / chart->plotArea().width();
    EXPECT_NEAR(view.markerB(), middle, pixel);
}

TEST_F(AdcPanelPlot, ALostPortIsAGapInThePlotAndTheRecordingAndTheValuesComeBackAfter)
{
    const QString path = dir.filePath(QStringLiteral("lost.csv"));
    QString error;
    ASSERT_TRUE(plot->startRecording(path, error));
    PlotWindow& view = plot->showPlot();
    tick(0);
    tick(1);
    pulled = true;
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->suspended(); }, 3000));
    QTest::qWait(300);
    ASSERT_EQ(history().gaps().size(), 1u);
    EXPECT_TRUE(history().lost());
    pulled = false;
    window->MSComm1.reopen();  // as the runner does once the device is back
    window->resume();
    tick(2);
    tick(3);

    const History::Gap gap = history().gaps().front();
    ASSERT_LT(gap.from, gap.to);
    for (std::size_t i = 0; i < history().size(); ++i)
        EXPECT_FALSE(history().time(i) > gap.from && history().time(i) < gap.to) << "an entry inside the gap";
    EXPECT_TRUE(std::isnan(history().valueAt((gap.from + gap.to) / 2, 0)));
    const auto pieces = view.drawn(0);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].last().x(), gap.from);  // the line ends where the port was lost
    EXPECT_EQ(pieces[1].first().x(), gap.to);
    plot->stopRecording();
    std::size_t after = 0;
    const double ms = 0.0005;  // the file's seconds are rounded to the millisecond
    for (const QByteArray& row : csvRows(path)) {
        const double seconds = row.split(',').value(1).toDouble();
        EXPECT_FALSE(seconds > gap.from + ms && seconds < gap.to - ms) << row.toStdString();
        after += seconds >= gap.to - ms;
    }
    EXPECT_GE(after, 2u);
}

TEST_F(AdcPanelPlot, TheWindowsMenuAndShortcutOpenThePlotAndStopARecording)
{
    EXPECT_EQ(window->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = window->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Plot…");
    EXPECT_EQ(actions[1]->text(), "Record to file…");
    activate();
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_NE(plot->plot(), nullptr);
    EXPECT_TRUE(plot->plot()->isVisible());
    QString error;
    ASSERT_TRUE(plot->startRecording(dir.filePath(QStringLiteral("r.csv")), error));
    EXPECT_EQ(actions[1]->text(), "Stop recording");
    actions[1]->trigger();
    EXPECT_FALSE(plot->recording());
    EXPECT_EQ(actions[1]->text(), "Record to file…");
}

class LineProbePlot : public PlotTest<LineProbeWindow> {};

TEST_F(LineProbePlot, TheLampsAreStackedTracesAndAClickOnATracesNameHidesIt)
{
    PlotWindow& view = plot->showPlot();
    window->startTimers();
    auto& inputs = part<StatusInputs>();
    inputs.setCts(true);
    inputs.setDsr(false);
    inputs.setCd(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history().size() > 1 && history().value(history().size() - 1, 2) == 1; }, 3000));
    const std::size_t last = history().size() - 1;
    EXPECT_EQ(history().value(last, 0), 1);  // CD
    EXPECT_EQ(history().value(last, 1), 0);  // DSR
    ASSERT_EQ(view.panes().size(), 1u);
    PlotPane& pane = *view.panes().front();
    // The traces one above the other: CD on top, CTS at the bottom, each 0 or 1 above its base.
    QTest::qWait(100);
    const auto cd = view.drawn(0), cts = view.drawn(2);
    ASSERT_FALSE(cd.empty());
    ASSERT_FALSE(cts.empty());
    EXPECT_GT(cd[0].last().y(), cts[0].last().y() + 1);
    // CTS's name, left of the chart at its trace's height.
    QChart* chart = pane.chart();
    const QPointF base = chart->mapToScene(chart->mapToPosition(QPointF(view.from(), cts[0].last().y() - 0.5)));
    const QPointF name = base - QPointF(12, 0);
    EXPECT_TRUE(pane.clickName(name));
    EXPECT_FALSE(pane.shown(2));
    EXPECT_TRUE(pane.shown(0));
    EXPECT_TRUE(pane.clickName(name));
    EXPECT_TRUE(pane.shown(2));
    EXPECT_FALSE(pane.clickName(chart->mapToScene(chart->plotArea().center())));  // inside the chart: a marker's place
}

class ThermConfPlot : public PlotTest<ThermConfWindow> {};

TEST_F(ThermConfPlot, ReadEveryRunsReadTempOnTheWindowsTimerNeverBehindABoxAndStops)
{
    PlotWindow& view = plot->showPlot();
    auto* every = view.findChild<QCheckBox*>(QStringLiteral("readEvery"));
    auto* seconds = view.findChild<QDoubleSpinBox*>(QStringLiteral("readEverySeconds"));
    ASSERT_TRUE(every && seconds);
    EXPECT_FALSE(every->isChecked());
    EXPECT_EQ(seconds->value(), 1.0);
    const std::string readTemp = "S 90 W A AA";
    QElapsedTimer clock;
    clock.start();
    every->setChecked(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return count(readTemp) >= 3; }, 10000));
    EXPECT_GE(clock.elapsed(), 2800);  // one a second, the first a second after the box was ticked (a coarse timer's 5 %)
    // A handler's box holds the reads: none while it is up.
    window->txtConfig->setText(QStringLiteral("zz"));
    ModalBoxCloser closer;
    std::size_t before = 0;
    closer.keepOpen(2500, [&] { before = count(readTemp); }, [&] { EXPECT_EQ(count(readTemp), before); });
    click(window->cmdWrConfig);
    ASSERT_EQ(closer.count(), 1);
    // Unticked, then with the plot closed: no more.
    every->setChecked(false);
    QTest::qWait(10);
    const std::size_t unticked = count(readTemp);
    QTest::qWait(1300);
    EXPECT_EQ(count(readTemp), unticked);
    every->setChecked(true);
    view.close();
    QTest::qWait(1300);
    EXPECT_EQ(count(readTemp), unticked);
}

// Under a German locale the plot and the window's menu speak German, while the recording's
// heading keeps the series' English names.
class GermanLocaleThermConfPlot : public ThermConfPlot {
protected:
    void SetUp() override
    {
        german.install();
        ThermConfPlot::SetUp();
    }
    const Languages german = Languages::ofUser();
};

TEST_F(GermanLocaleThermConfPlot, ThePlotAndTheMenuSpeakGermanAndTheRecordingKeepsItsHeading)
{
    PlotWindow& view = plot->showPlot();
    EXPECT_TRUE(view.windowTitle().endsWith(QStringLiteral(" — Diagramm"))) << view.windowTitle().toStdString();
    const QStringList texts = shownTexts(view);
    for (const char* text : {"Temperatur", "Sekunden seit dem Start", "Anhalten", "Alles", "Lesen alle", "Auto-Y"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text << " in " << texts.join(u'|').toStdString();
    QStringList menu;
    for (const QAction* action : window->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList{"Diagramm…", "In Datei aufzeichnen…"}));

    const QString file = dir.filePath(QStringLiteral("german.csv"));
    QString error;
    ASSERT_TRUE(plot->startRecording(file, error)) << error.toStdString();
    plot.reset();
    EXPECT_EQ(csvRows(file).front(), "time (UTC),seconds,Temperature (°C)");
}

} // namespace
