#pragma once

#include "BusCapture.h"

#include <QCoreApplication>
#include <QGroupBox>

#include <memory>

class QLabel;
class QPushButton;
class WaveformView;

// The waveform of the transaction last selected in the bus monitor (the newest unless the user
// picked another line), with that line above it. It lays out and redraws only when it is
// given another transaction.
class WaveformPane : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(WaveformPane)

public:
    explicit WaveformPane(QWidget* parent = nullptr);

    // Shows `capture` with `line`, its monitor line; the capture shown already changes nothing.
    void showCapture(std::shared_ptr<const BusCapture> capture, const QString& line, double nsPerTick);
    const BusCapture* shown() const { return shown_.get(); }

    QLabel* caption;
    QPushButton* wholeButton;
    WaveformView* view;

private:
    std::shared_ptr<const BusCapture> shown_;
};
