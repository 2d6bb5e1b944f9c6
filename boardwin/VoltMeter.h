#pragma once

#include "ChipCommands.h"

#include <QCoreApplication>
#include <QWidget>

// A moving-needle meter from 0 to 5 V with its reading in figures below the scale.
// Without a value (an output switched off) the needle rests at 0 and the figures read "off".
class VoltMeter : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(VoltMeter)

public:
    static constexpr double FullScale = converter::FullScaleVolts;

    explicit VoltMeter(QWidget* parent = nullptr);

    // Volts, or a negative number for none. Repaints only when the reading changes.
    void setVolts(double volts);
    double volts() const { return volts_; }
    QString reading() const;

    QSize sizeHint() const override { return {150, 96}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double volts_ = -1;
};
