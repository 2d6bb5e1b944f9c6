#include "ConverterPanel.h"

#include "Pcf8591Converter.h"
#include "VoltMeter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>

ConverterPanel::ConverterPanel(Pcf8591Converter& converter, QWidget* parent)
    : BoardPanel(tr("PCF8591 converter %1").arg(addressBytes(converter.address7())), parent),
      converter_(converter)
{
    auto* row = new QHBoxLayout(this);
    auto* grid = new QGridLayout;
    row->addLayout(grid);
    for (int channel = 0; channel < Channels; ++channel) {
        auto* slider = new QSlider(Qt::Vertical, this);
        slider->setObjectName(QStringLiteral("AIN%1").arg(channel));
        slider->setRange(0, converter::Steps);
        slider->setPageStep(51);  // 1 V
        slider->setValue(converter_.input(channel));
        slider->setMinimumHeight(90);
        auto* volts = new QLabel(voltsText(converter_.input(channel)), this);
        volts->setMinimumWidth(volts->fontMetrics().horizontalAdvance(QStringLiteral("0.00 V ")));
        volts->setAlignment(Qt::AlignCenter);
        grid->addWidget(new QLabel(QStringLiteral("AIN%1").arg(channel), this), 0, channel, Qt::AlignHCenter);
        grid->addWidget(slider, 1, channel, Qt::AlignHCenter);
        grid->addWidget(volts, 2, channel, Qt::AlignHCenter);
        inputs[std::size_t(channel)] = slider;
        inputVolts[std::size_t(channel)] = volts;
    }
    auto* outputColumn = new QVBoxLayout;
    row->addLayout(outputColumn);
    outputColumn->addWidget(new QLabel(QStringLiteral("AOUT"), this), 0, Qt::AlignHCenter);
    output = new VoltMeter(this);
    outputColumn->addWidget(output);
    outputColumn->addStretch();
    refresh();

    for (int channel = 0; channel < Channels; ++channel) {
        connect(inputs[std::size_t(channel)], &QSlider::valueChanged, this, [this, channel](int raw) {
            converter_.setInput(channel, std::uint8_t(raw));
            inputVolts[std::size_t(channel)]->setText(voltsText(raw));
        });
    }
}

QString ConverterPanel::voltsText(int raw)
{
    return QLocale().toString(raw * double(converter::FullScaleVolts) / converter::Steps, 'f', 2) + QStringLiteral(" V");
}

void ConverterPanel::refresh()
{
    for (int channel = 0; channel < Channels; ++channel) {
        QSlider* slider = inputs[std::size_t(channel)];
        const int raw = converter_.input(channel);
        if (raw != slider->value() && !slider->isSliderDown()) {
            const QSignalBlocker blocker(slider);
            slider->setValue(raw);
            inputVolts[std::size_t(channel)]->setText(voltsText(raw));
        }
    }
    // A disabled output is high-impedance: it shows no voltage.
    output->setVolts(converter_.outputEnabled() ? converter_.output() * double(converter::FullScaleVolts) / converter::Steps : -1.0);
}
