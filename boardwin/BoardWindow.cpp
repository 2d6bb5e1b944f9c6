#include "BoardWindow.h"

#include "Board.h"
#include "BoardPanel.h"
#include "MonitorPane.h"
#include "PartPanels.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

BoardWindow::BoardWindow(Board& board, BusMonitor::Clock::time_point epoch, BusMonitor::Now now, QWidget* parent)
    : QWidget(parent, Qt::Window), board_(board), monitor_(std::make_unique<BusMonitor>(board, epoch, std::move(now)))
{
    setObjectName(QStringLiteral("VirtualBoard"));
    setWindowTitle(QStringLiteral("Virtual board"));
    // Closing the program's window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* column = new QVBoxLayout(this);
    unplugged = new QCheckBox(QStringLiteral("Board unplugged"), this);
    unplugged->setChecked(board_.unplugged());
    column->addWidget(unplugged, 0, Qt::AlignLeft);
    addPanels(column);
    monitorPane = new MonitorPane(*monitor_, this);
    column->addWidget(monitorPane, 1);
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
    monitorPane->refresh();
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
