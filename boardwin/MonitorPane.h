#pragma once

#include "BusCapture.h"

#include <QCoreApplication>
#include <QGroupBox>

#include <deque>
#include <functional>
#include <memory>

class BusMonitor;
class QPlainTextEdit;
class QPushButton;

// The monitor's lines, newest last; it keeps the latest BusMonitor::Kept of them, with their
// captures. It follows the newest line unless the user has scrolled back. A click on a line
// selects it for the waveform; selecting the newest follows the newest again. "Save as VCD…"
// (on a board with bus lines) saves the captures of every line it holds as one dump.
class MonitorPane : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(MonitorPane)

public:
    MonitorPane(BusMonitor& monitor, BusLines lines, QWidget* parent = nullptr);

    // Shows the lines that came since the last call, in one append; false when none came.
    bool refresh();
    void clear();

    // The capture of the selected line, or of the newest line that has one; null when none.
    // `line` gets that line's text.
    std::shared_ptr<const BusCapture> shownCapture(QString* line = nullptr) const;
    // Selects line `block` (from 0, the oldest held) as a click does.
    void select(int block);
    // Writes the captures held to `path` as a Value Change Dump, each at its time since start
    // and the lines idle between them; false with `error` filled when it cannot be written.
    bool saveVcd(const QString& path, QString& error) const;
    std::size_t capturesHeld() const;

    // Called when the user selects another line.
    std::function<void()> selectionChanged;

    QPlainTextEdit* lines;
    QPushButton* clearButton;
    QPushButton* saveButton;  // null on a board without bus lines

private:
    void cursorMoved();
    void highlight();
    void saveAs();

    BusMonitor& monitor_;
    BusLines busLines_;
    std::deque<std::shared_ptr<const BusCapture>> captures_;  // one a line, oldest first
    std::shared_ptr<const BusCapture> selected_;               // null: follow the newest
    int selectedBlock_ = -1;
    bool appending_ = false;
};
