#pragma once

#include "BoardPanel.h"
#include "ChipCommands.h"

#include <QCoreApplication>

#include <array>

class Pcf8591Converter;
class QLabel;
class QSlider;
class VoltMeter;

// The PCF8591 converter: its four inputs as sliders from 0 to 5 V (in the converter's 256
// steps) with their volts, and its analogue output on a meter.
class ConverterPanel : public BoardPanel {
    Q_DECLARE_TR_FUNCTIONS(ConverterPanel)

public:
    static constexpr int Channels = converter::Channels;

    ConverterPanel(Pcf8591Converter& converter, QWidget* parent = nullptr);

    void refresh() override;

    std::array<QSlider*, Channels> inputs;  // raw 0 to 255
    std::array<QLabel*, Channels> inputVolts;
    VoltMeter* output;

    // A raw level as volts, "2.51 V".
    static QString voltsText(int raw);

private:
    Pcf8591Converter& converter_;
};
