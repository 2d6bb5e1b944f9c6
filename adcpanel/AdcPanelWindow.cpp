#include "AdcPanelWindow.h"

#include "ChipCommands.h"
#include "I2CSboard.h"
#include "NumberText.h"
#include "NumericText.h"
#include "Twips.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

using namespace I2CSboard;

namespace {

// Output enabled, four single-ended inputs, auto-increment, channel 1 (readings) or 0 (output):
// both keep the output on, so that the readings never switch it off.
constexpr std::uint8_t ReadFromChannel1 = converter::OutputEnable | converter::AutoIncrement | 1;  // 0x45
constexpr std::uint8_t OutputControl = converter::OutputEnable | converter::AutoIncrement | 0;     // 0x44
constexpr int StepsPerVolt = converter::Steps / converter::FullScaleVolts;  // 51

QString volts(std::uint8_t raw)
{
    std::int16_t scaled = std::int16_t(raw * converter::FullScaleVolts);  // at most 1275
    return forms::numberText(double(scaled) / converter::Steps);
}

} // namespace

AdcPanelWindow::AdcPanelWindow(MSComm::Setup setup, QWidget* parent) : FormWindow(std::move(setup), parent)
{
    setWindowTitle(QStringLiteral("I2C BUS ADC Control"));
    forms::setClientArea(this, 3570, 4005);

    auto textBox = [this](const char* name, const QString& text, int top, int height) {
        auto* box = new QLineEdit(text, this);
        box->setObjectName(QLatin1String(name));
        forms::place(box, 240, top, 1710, height);
        return box;
    };
    Text1 = textBox("Text1", QStringLiteral(" "), 255, 450);
    Text2 = textBox("Text2", QStringLiteral(" "), 840, 450);
    Text3 = textBox("Text3", QStringLiteral(" "), 1455, 450);
    Text4 = textBox("Text4", QStringLiteral(" "), 2040, 450);
    Text5 = textBox("Text5", QStringLiteral("0"), 3270, 465);

    // The face is the one the window was designed with; where it is missing Qt picks the
    // nearest face it has.
    QFont labelFont(QStringLiteral("JasmineUPC"));
    labelFont.setPointSizeF(15.75);
    labelFont.setBold(true);
    struct LabelPlace {
        const char* caption;
        int left, top;
    };
    const LabelPlace labels[] = {{"CH-1", 2025, 285}, {"CH-2", 2040, 855}, {"CH-3", 2025, 1455},
                                 {"CH-4", 2025, 2070}, {"Aout", 2055, 3270}};
    for (const LabelPlace& l : labels) {
        auto* label = new QLabel(QLatin1String(l.caption), this);
        label->setFont(labelFont);
        forms::place(label, l.left, l.top, 930, 450);
        Label1.add(label);
    }

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, Text5);

    Timer1 = addTimer("Timer1", 200, [this] { Timer1_Timer(); });
    // textChanged comes for typed and put text alike, and at once: a put inside the
    // handler runs it again, nested, before the put returns.
    connect(Text5, &QLineEdit::textChanged, this, [this] { Text5_Change(); });
}

void AdcPanelWindow::Form_Load()
{
    MSComm1.setPortOpen(true);
}

void AdcPanelWindow::Timer1_Timer()
{
    I2CStart();
    WriteByte(converter::WriteAddress);
    GetAck();
    WriteByte(ReadFromChannel1);
    GetAck();
    I2CStop();

    I2CStart();  // a new start after the stop
    WriteByte(converter::ReadAddress);
    GetAck();
    // Each box is written as soon as its byte is in, before that byte's acknowledge clock.
    Text1->setText(volts(ReadByte()));
    SendZero();
    Text2->setText(volts(ReadByte()));
    SendZero();
    Text3->setText(volts(ReadByte()));
    SendZero();
    Text4->setText(volts(ReadByte()));
    GetAck();  // the ninth clock with SDA released: not acknowledged, the read ends
    I2CStop();
}

void AdcPanelWindow::Text5_Change()
{
    double x = forms::numericValue(Text5->text());
    // Out-of-range values are clipped in the box itself; the put runs this handler again,
    // nested, which sends the clipped value before this run sends it once more. Below 0 that
    // is only a value whose byte would be below 0: a small negative ("-0.005") rounds to the
    // byte 0 and is sent as it stands.
    if (x > converter::FullScaleVolts)
        Text5->setText(QStringLiteral("5"));
    else if (forms::roundHalfToEven(x * StepsPerVolt) < 0)
        Text5->setText(QStringLiteral("0"));

    I2CStart();
    WriteByte(converter::WriteAddress);
    GetAck();
    WriteByte(OutputControl);
    GetAck();
    double v = forms::numericValue(Text5->text());
    // After the clip the byte is within 0 to 255, so the clamp only guards its range.
    double b = std::clamp(forms::roundHalfToEven(v * StepsPerVolt), 0.0, double(converter::Steps));
    WriteByte(std::uint8_t(b));
    GetAck();
    I2CStop();
}
