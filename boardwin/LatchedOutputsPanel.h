#pragma once

#include "BoardPanel.h"

#include <QCoreApplication>

#include <array>
#include <cstdint>
#include <functional>

class LedIndicator;
class QLabel;

// Sixteen latched outputs D15 … D0 (D15 leftmost) as LEDs, with the word in hexadecimal; for
// a serial receiver also its count of framing errors.
class LatchedOutputsPanel : public BoardPanel {
    Q_DECLARE_TR_FUNCTIONS(LatchedOutputsPanel)

public:
    static constexpr int Outputs = 16;

    // `framingErrors` empty: the part has none to count.
    LatchedOutputsPanel(const QString& title, std::function<std::uint16_t()> outputs,
                        std::function<long()> framingErrors, QWidget* parent = nullptr);

    void refresh() override;

    // Indexed by bit number.
    std::array<LedIndicator*, Outputs> leds;
    QLabel* wordText;
    QLabel* framingErrorsText = nullptr;

private:
    std::function<std::uint16_t()> outputs_;
    std::function<long()> framingErrors_;
    long shownWord_ = -1;
    long shownFramingErrors_ = -1;
};
