#include "SensorPanel.h"

#include "LedIndicator.h"
#include "TemperatureSensor.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QSlider>

SensorPanel::SensorPanel(TemperatureSensor& sensor, QWidget* parent)
    : BoardPanel(tr("Temperature sensor %1").arg(addressBytes(sensor.address7())), parent),
      sensor_(sensor)
{
    temperature = new QSlider(Qt::Horizontal, this);
    temperature->setObjectName(QStringLiteral("temperature"));
    temperature->setRange(-110, 250);
    temperature->setSingleStep(1);
    temperature->setPageStep(10);
    temperature->setValue(sensor_.halfDegrees());
    temperatureText = new QLabel(degreesText(sensor_.halfDegrees()), this);
    temperatureText->setMinimumWidth(temperatureText->fontMetrics().horizontalAdvance(degreesText(-111)));
    temperatureText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    converting = new LedIndicator(this);
    converting->setLit(sensor_.converting());
    config = new QLabel(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Temperature"), this), 0, 0);
    grid->addWidget(temperature, 0, 1, 1, 3);
    grid->addWidget(temperatureText, 0, 4);
    grid->addWidget(converting, 1, 0, Qt::AlignRight);
    //: Beside a lamp lit while the sensor measures the temperature.
    grid->addWidget(new QLabel(tr("Converting"), this), 1, 1);
    grid->addWidget(new QLabel(tr("Configuration"), this), 1, 2, Qt::AlignRight);
    grid->addWidget(config, 1, 3);
    grid->setColumnStretch(1, 1);
    refresh();

    connect(temperature, &QSlider::valueChanged, this, [this](int halfDegrees) {
        sensor_.setHalfDegrees(halfDegrees);
        temperatureText->setText(degreesText(sensor_.halfDegrees()));
    });
}

QString SensorPanel::degreesText(int halfDegrees)
{
    return QLocale().toString(halfDegrees / 2.0, 'f', 1) + QStringLiteral(" °C");
}

void SensorPanel::refresh()
{
    if (sensor_.halfDegrees() != temperature->value() && !temperature->isSliderDown()) {
        const QSignalBlocker blocker(temperature);
        temperature->setValue(sensor_.halfDegrees());
        temperatureText->setText(degreesText(sensor_.halfDegrees()));
    }
    converting->setLit(sensor_.converting());
    if (sensor_.config() != shownConfig_) {
        shownConfig_ = sensor_.config();
        config->setText(hexText(sensor_.config(), 2));
    }
}
