#pragma once

#include "BusMonitor.h"

#include <QCoreApplication>
#include <QWidget>

#include <memory>
#include <vector>

class Board;
class BoardPanel;
class MonitorPane;
class WaveformPane;
class QCheckBox;
class QTimer;

// The virtual board as a window of its own: a panel for each part the board carries, through
// which the user plays the world outside the program (a temperature, input voltages, pins
// held low, status switches, the cable pulled), the monitor of what goes over the wire and,
// beside it on a board with bus lines, the waveform of the transaction selected there.
// It reads the board at most RefreshInterval apart and redraws only what changed, so that it
// costs the bus next to nothing.
class BoardWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(BoardWindow)

public:
    static constexpr int RefreshInterval = 33;  // ms

    // `board` must outlive the window. The monitor's lines are timed from `epoch`.
    BoardWindow(Board& board, BusMonitor::Clock::time_point epoch, BusMonitor::Now now = &BusMonitor::Clock::now,
                QWidget* parent = nullptr);
    ~BoardWindow() override;

    BusMonitor& monitor() { return *monitor_; }
    const std::vector<BoardPanel*>& panels() const { return panels_; }

    // Shows the window to the right of `program`'s (or below it where the screen ends there).
    void showBeside(const QWidget& program);
    // Brings every panel and the monitor up to date (the timer does it too).
    void refresh();

    QCheckBox* unplugged;
    MonitorPane* monitorPane;
    WaveformPane* waveformPane;  // null on a board without bus lines
    QTimer* refreshTimer;

private:
    void addPanels(QLayout* layout);
    void showWaveform();

    Board& board_;
    std::unique_ptr<BusMonitor> monitor_;
    std::vector<BoardPanel*> panels_;
};
