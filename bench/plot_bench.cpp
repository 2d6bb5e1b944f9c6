// What the plot costs. A handler of adcpanel's (one tick, its readings changed each time) run as
// its timer runs it, with the plot closed, open, and open while recording: the time per handler
// with what comes after it (the look at the window, the row, the redraws the plot makes). Then
// an hour of lineprobe's data at its fastest (a change at each of ten ticks a second): the
// history's memory, one redraw of the plot over the last ten seconds and over the hour, and the
// resident memory the two gained.
// Prints a Markdown table.
//   plot_bench [SECONDS per measurement, default 1]

#include "AdcPanelWindow.h"
#include "Bench.h"
#include "History.h"
#include "Pcf8591Converter.h"
#include "PlotWindow.h"
#include "ProgramOnBoard.h"
#include "Programs.h"
#include "WindowPlot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTimerEvent>

#include <cstdio>

namespace {

enum class Plot { Closed, Open, Recording };

// Microseconds a handler takes with all that follows it, as the event loop runs it.
double handlerMicroseconds(Plot plot, double seconds)
{
    ProgramOnBoard<AdcPanelWindow> on;
    on.load();
    AdcPanelWindow& window = *on.window;
    auto& converter = on.part<Pcf8591Converter>();
    QTemporaryDir dir;
    std::unique_ptr<WindowPlot> follow;
    if (plot != Plot::Closed) {
        follow = std::make_unique<WindowPlot>(window, programOf<AdcPanelWindow>().readings, Trace::Clock::now(),
                                              QStringLiteral("adcpanel"));
        follow->showPlot();
        if (QString error; plot == Plot::Recording && !follow->startRecording(dir.filePath(QStringLiteral("r.csv")), error))
            std::fprintf(stderr, "%s\n", qPrintable(error));
    }
    window.Timer1->start(3'600'000);  // ticks come from here only
    const int id = window.Timer1->timerId();
    unsigned step = 0;
    const double rate = bench::perSecond(seconds, [&] {
        for (int channel = 0; channel < 4; ++channel)
            converter.setInput(channel, std::uint8_t(++step * (channel + 1)));
        QTimerEvent tick(id);
        QCoreApplication::sendEvent(window.Timer1, &tick);
        QCoreApplication::processEvents();  // the look after the handler, and a redraw when due
        return 1;
    });
    return 1e6 / rate;
}

// An hour of lineprobe's lines changing at every tick.
void fillHour(History& history)
{
    for (int tick = 0; tick < 36'000; ++tick)
        history.add(tick * 0.1, {double(tick % 2), double(tick / 2 % 2), double(tick / 4 % 2)});
}

double redrawMilliseconds(PlotWindow& plot, int span)
{
    plot.setSpan(span);
    QElapsedTimer clock;
    clock.start();
    int redraws = 0;
    while (clock.elapsed() < 1000) {
        plot.setPaused(redraws % 2 == 0);  // each turn draws the view afresh
        plot.repaint();
        ++redraws;
    }
    return double(clock.nsecsElapsed()) / 1e6 / redraws;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;

    std::printf("| adcpanel tick, run by its timer | µs per handler |\n|---|---:|\n");
    const char* names[] = {"plot closed", "plot open", "plot open, recording"};
    const auto best = bench::bestOf(3, {[&] { return 1 / handlerMicroseconds(Plot::Closed, seconds); },
                                        [&] { return 1 / handlerMicroseconds(Plot::Open, seconds); },
                                        [&] { return 1 / handlerMicroseconds(Plot::Recording, seconds); }});
    for (std::size_t i = 0; i < best.size(); ++i)
        std::printf("| %s | %.1f |\n", names[i], 1 / best[i]);

    const long before = bench::residentKiB();
    History history(3, WindowPlot::Entries);
    fillHour(history);
    const std::vector<Series> lines{Series::digital(QStringLiteral("CD")), Series::digital(QStringLiteral("DSR")),
                                    Series::digital(QStringLiteral("CTS"))};
    PlotWindow plot(history, lines, QDateTime::currentDateTimeUtc(), QStringLiteral("lineprobe"), false);
    std::printf("\n| an hour of lineprobe's data (36,000 changes) | |\n|---|---:|\n");
    std::printf("| history's memory | %.2f MB |\n", double(history.bytes()) / 1e6);
    plot.show();
    std::printf("| one redraw, last 10 s | %.2f ms |\n", redrawMilliseconds(plot, 0));
    std::printf("| one redraw, the whole hour | %.2f ms |\n", redrawMilliseconds(plot, 3));
    std::printf("| resident memory gained: the history and the plot window showing it | %.1f MB |\n",
                double(bench::residentKiB() - before) * 1024 / 1e6);
    return 0;
}
