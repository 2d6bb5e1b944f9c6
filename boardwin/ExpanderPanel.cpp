#include "ExpanderPanel.h"

#include "LedIndicator.h"
#include "Pcf8574Expander.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

QString chipName(std::uint8_t address7)
{
    return (address7 & 0x78) == Pcf8574Expander::Pcf8574AAddress7 ? QStringLiteral("PCF8574A") : QStringLiteral("PCF8574");
}

} // namespace

ExpanderPanel::ExpanderPanel(Pcf8574Expander& expander, QWidget* parent)
    //: The panel's title: the chip's name (PCF8574 or PCF8574A) and its bus address bytes.
    : BoardPanel(tr("%1 expander %2").arg(chipName(expander.address7()), addressBytes(expander.address7())), parent),
      expander_(expander)
{
    auto* grid = new QGridLayout(this);
    for (int pin = 0; pin < Pins; ++pin) {
        const int column = Pins - 1 - pin;  // P7 leftmost
        auto* led = new LedIndicator(this);
        auto* low = new QCheckBox(this);
        low->setObjectName(QStringLiteral("P%1low").arg(pin));
        low->setToolTip(tr("Hold P%1 low from outside").arg(pin));
        grid->addWidget(new QLabel(QStringLiteral("P%1").arg(pin), this), 0, column, Qt::AlignHCenter);
        grid->addWidget(led, 1, column, Qt::AlignHCenter);
        grid->addWidget(low, 2, column, Qt::AlignHCenter);
        levels[std::size_t(pin)] = led;
        pullLow[std::size_t(pin)] = low;
    }
    grid->addWidget(new QLabel(tr("pins"), this), 1, Pins, Qt::AlignRight);
    pinsText = new QLabel(this);
    grid->addWidget(pinsText, 1, Pins + 1);
    //: Beside the switches that hold a pin low (at a logic level of 0) from outside.
    grid->addWidget(new QLabel(tr("low"), this), 2, Pins, Qt::AlignRight);
    grid->setColumnStretch(Pins + 1, 1);
    refresh();

    for (int pin = 0; pin < Pins; ++pin) {
        connect(pullLow[std::size_t(pin)], &QCheckBox::toggled, this, [this, pin](bool low) {
            const auto bit = std::uint8_t(1u << pin);
            expander_.setExternalLow(std::uint8_t(low ? expander_.externalLow() | bit : expander_.externalLow() & ~bit));
            refresh();
        });
    }
}

void ExpanderPanel::refresh()
{
    const std::uint8_t pins = expander_.pins();
    const int state = pins | expander_.externalLow() << 8;
    if (state == shown_)
        return;
    shown_ = state;
    for (int pin = 0; pin < Pins; ++pin) {
        levels[std::size_t(pin)]->setLit((pins >> pin) & 1u);
        QCheckBox* low = pullLow[std::size_t(pin)];
        const bool held = (expander_.externalLow() >> pin) & 1u;
        if (low->isChecked() != held) {
            const QSignalBlocker blocker(low);
            low->setChecked(held);
        }
    }
    pinsText->setText(hexText(pins, 2));
}
