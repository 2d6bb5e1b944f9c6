#include "BoardWindow.h"

#include "Board.h"
#include "BoardPanel.h"
#include "BusLines.h"
#include "MonitorPane.h"
#include "PartPanels.h"
#include "WaveformPane.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

BoardWindow::BoardWindow(Board& board, BusMonitor::Clock::time_point epoch, BusMonitor::Now now, QWidget* parent)
    : QWidget(parent, Qt::Window), board_(board), monitor_(std::make_unique<BusMonitor>(board, epoch, std::move(now)))
{
    setObjectName(QStringLiteral("VirtualBoard"));
    setWindowTitle(tr("Virtual board"));
    // Closing the program's window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* column = new QVBoxLayout(this);
    unplugged = new QCheckBox(tr("Board unplugged"), this);
    unplugged->setChecked(board_.unplugged());
    column->addWidget(unplugged, 0, Qt::AlignLeft);
    addPanels(column);
    const BusLines lines = busLinesOf(board_);
    monitorPane = new MonitorPane(*monitor_, lines, this);
    if (lines == BusLines::None) {
        waveformPane = nullptr;
        column->addWidget(monitorPane, 1);
    } else {
        // Wide enough for a Read Temp's line whole, beside the waveform.
        monitorPane->setMinimumWidth(monitorPane->lines->fontMetrics().horizontalAdvance(
                                         QStringLiteral("12345.678 S 90 W A AA A Sr 91 R A 19 A 80 N P")) +
                                     56);
        auto* split = new QSplitter(Qt::Horizontal, this);
        waveformPane = new WaveformPane(split);
        split->addWidget(monitorPane);
        split->addWidget(waveformPane);
        split->setStretchFactor(1, 1);
        column->addWidget(split, 1);
        monitorPane->selectionChanged = [this] { showWaveform(); };
    }
    refreshTimer = new QTimer(this);
    refreshTimer->setInterval(RefreshInterval);
    refreshTimer->start();
    resize(std::max(sizeHint().width(), 380), sizeHint().height());

    connect(unplugged, &QCheckBox::toggled, this, [this](bool out) {
        board_.setUnplugged(out);
        monitor_->note(out ? "board unplugged" : "board plugged in");
    });
    connect(refreshTimer, &QTimer::timeout, this, &BoardWindow::refresh);
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::addPanels(QLayout* layout)
{
    PartPanels made(this);
    board_.accept(made);
    for (BoardPanel* panel : made.panels()) {
        layout->addWidget(panel);
        panels_.push_back(panel);
    }
}

void BoardWindow::refresh()
{
    if (unplugged->isChecked() != board_.unplugged()) {
        const QSignalBlocker blocker(unplugged);
        unplugged->setChecked(board_.unplugged());
    }
    for (BoardPanel* panel : panels_)
        panel->refresh();
    if (monitorPane->refresh() && waveformPane)
        showWaveform();
}

void BoardWindow::showWaveform()
{
    QString line;
    std::shared_ptr<const BusCapture> capture = monitorPane->shownCapture(&line);
    waveformPane->showCapture(std::move(capture), line, monitor_->nsPerTick());
}

void BoardWindow::showBeside(const QWidget& program)
{
    constexpr int gap = 12;
    const QRect beside = program.frameGeometry();
    QPoint place(beside.right() + gap, beside.top());
    if (const QScreen* screen = program.screen()) {
        const QRect room = screen->availableGeometry();
        if (place.x() + frameGeometry().width() > room.right())
            place = QPoint(beside.left(), beside.bottom() + gap);
    }
    move(place);
    show();
}
