#pragma once

#include <QGroupBox>

class BusMonitor;
class QPlainTextEdit;
class QPushButton;

// The monitor's lines, newest last; it keeps the latest BusMonitor::Kept of them. It follows
// the newest line unless the user has scrolled back.
class MonitorPane : public QGroupBox {
public:
    MonitorPane(BusMonitor& monitor, QWidget* parent = nullptr);

    // Shows the lines that came since the last call, in one append.
    void refresh();
    void clear();

    QPlainTextEdit* lines;
    QPushButton* clearButton;

private:
    BusMonitor& monitor_;
};
