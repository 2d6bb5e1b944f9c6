#pragma once

#include "BoardPanel.h"

#include <QCoreApplication>

class LedIndicator;
class QLabel;
class QSlider;
class TemperatureSensor;

// The temperature sensor: the temperature the world gives it (-55 to +125 °C in half
// degrees), whether it is converting, and its configuration register.
class SensorPanel : public BoardPanel {
    Q_DECLARE_TR_FUNCTIONS(SensorPanel)

public:
    SensorPanel(TemperatureSensor& sensor, QWidget* parent = nullptr);

    void refresh() override;

    QSlider* temperature;  // in half degrees
    QLabel* temperatureText;
    LedIndicator* converting;
    QLabel* config;

private:
    static QString degreesText(int halfDegrees);

    TemperatureSensor& sensor_;
    int shownConfig_ = -1;
};
