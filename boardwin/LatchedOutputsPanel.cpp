#include "LatchedOutputsPanel.h"

#include "LedIndicator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

LatchedOutputsPanel::LatchedOutputsPanel(const QString& title, std::function<std::uint16_t()> outputs,
                                         std::function<long()> framingErrors, QWidget* parent)
    : BoardPanel(title, parent), outputs_(std::move(outputs)), framingErrors_(std::move(framingErrors))
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(3);
    for (int bit = 0; bit < Outputs; ++bit) {
        const int column = Outputs - 1 - bit;  // D15 leftmost
        auto* led = new LedIndicator(this);
        grid->addWidget(new QLabel(QStringLiteral("D%1").arg(bit), this), 0, column, Qt::AlignHCenter);
        grid->addWidget(led, 1, column, Qt::AlignHCenter);
        leds[std::size_t(bit)] = led;
    }
    auto* footer = new QHBoxLayout;
    footer->setSpacing(6);
    grid->addLayout(footer, 2, 0, 1, Outputs);
    //: The sixteen outputs read together as one number.
    footer->addWidget(new QLabel(tr("Word"), this));
    wordText = new QLabel(this);
    wordText->setObjectName(QStringLiteral("word"));
    footer->addWidget(wordText);
    footer->addStretch();
    if (framingErrors_) {
        footer->addWidget(new QLabel(tr("Framing errors"), this));
        framingErrorsText = new QLabel(this);
        footer->addWidget(framingErrorsText);
    }
    refresh();
}

void LatchedOutputsPanel::refresh()
{
    const std::uint16_t word = outputs_();
    if (word != shownWord_) {
        shownWord_ = word;
        for (int bit = 0; bit < Outputs; ++bit)
            leds[std::size_t(bit)]->setLit((word >> bit) & 1u);
        wordText->setText(hexText(word, 4));
    }
    if (framingErrors_) {
        const long errors = framingErrors_();
        if (errors != shownFramingErrors_) {
            shownFramingErrors_ = errors;
            framingErrorsText->setText(QString::number(errors));
        }
    }
}
