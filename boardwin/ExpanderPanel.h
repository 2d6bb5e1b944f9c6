#pragma once

#include "BoardPanel.h"

#include <QCoreApplication>

#include <array>

class LedIndicator;
class Pcf8574Expander;
class QCheckBox;
class QLabel;

// A PCF8574 or PCF8574A expander: its eight pins P7 … P0 (P7 leftmost) as LEDs lit while the
// pin is high, and a switch under each that pulls the pin low from outside.
class ExpanderPanel : public BoardPanel {
    Q_DECLARE_TR_FUNCTIONS(ExpanderPanel)

public:
    static constexpr int Pins = 8;

    ExpanderPanel(Pcf8574Expander& expander, QWidget* parent = nullptr);

    void refresh() override;

    // Indexed by pin number.
    std::array<LedIndicator*, Pins> levels;
    std::array<QCheckBox*, Pins> pullLow;
    QLabel* pinsText;

private:
    Pcf8574Expander& expander_;
    int shown_ = -1;  // the pins and what holds them low, as shown
};
