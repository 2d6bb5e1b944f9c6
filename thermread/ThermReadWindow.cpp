#include "ThermReadWindow.h"

#include "ChipCommands.h"
#include "I2CSboard.h"
#include "Named.h"
#include "NumberText.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace I2CSboard;

ThermReadWindow::ThermReadWindow(MSComm::Setup setup, QWidget* parent)
    : ThermReadWindow(std::move(setup), Layout{240, 5250, 1155}, parent)
{
}

ThermReadWindow::ThermReadWindow(MSComm::Setup setup, const Layout& layout, QWidget* parent)
    : FormWindow(std::move(setup), parent)
{
    setWindowTitle(QStringLiteral("Form1"));
    forms::setClientArea(this, layout.clientWidth, layout.clientHeight);

    Frame1 = forms::named(new QGroupBox(QStringLiteral("Temperature"), this), "Frame1");
    forms::place(Frame1, 60, layout.framesTop, 2415, 855);
    txtTemp = forms::named(new QLineEdit(Frame1), "txtTemp");
    forms::place(txtTemp, 180, 360, 735, 375);
    cmdRdTemp = forms::named(new QPushButton(QStringLiteral("Read Temp"), Frame1), "cmdRdTemp");
    forms::place(cmdRdTemp, 1080, 360, 1215, 375);

    Frame2 = forms::named(new QGroupBox(QStringLiteral("Convert"), this), "Frame2");
    forms::place(Frame2, 2520, layout.framesTop, 2655, 855);
    cmdStartConvert = forms::named(new QPushButton(QStringLiteral("Start Convert"), Frame2), "cmdStartConvert");
    forms::place(cmdStartConvert, 120, 360, 1155, 375);
    cmdStopConvert = forms::named(new QPushButton(QStringLiteral("Stop Convert"), Frame2), "cmdStopConvert");
    forms::place(cmdStopConvert, 1380, 360, 1155, 375);

    setTabOrder(txtTemp, cmdRdTemp);
    setTabOrder(cmdRdTemp, cmdStartConvert);
    setTabOrder(cmdStartConvert, cmdStopConvert);

    connect(cmdRdTemp, &QPushButton::clicked, this, [this] { cmdRdTemp_Click(); });
    connect(cmdStartConvert, &QPushButton::clicked, this, [this] { cmdStartConvert_Click(); });
    connect(cmdStopConvert, &QPushButton::clicked, this, [this] { cmdStopConvert_Click(); });
}

void ThermReadWindow::Form_Load()
{
    MSComm1.setCommPort(1);
    MSComm1.setPortOpen(true);
}

void ThermReadWindow::cmdRdTemp_Click()
{
    I2CStart();
    WriteByte(sensor::WriteAddress);
    GetAck();
    WriteByte(sensor::ReadTemperature);
    GetAck();
    I2CStart();  // repeated start
    WriteByte(sensor::ReadAddress);
    GetAck();
    std::uint8_t whole = ReadByte();
    SendZero();  // acknowledge: one more byte wanted
    std::uint8_t fraction = ReadByte();
    ClockPulse();  // ninth clock with SDA released: not acknowledged, the read ends
    I2CStop();

    // The first byte counts unsigned: 0xFF shows as 255.
    double degrees = whole + ((fraction & 0x80) ? 0.5 : 0.0);
    txtTemp->setText(forms::numberText(degrees));
}

void ThermReadWindow::sendCommand(std::uint8_t command)
{
    I2CStart();
    WriteByte(sensor::WriteAddress);
    GetAck();
    WriteByte(command);
    GetAck();
    I2CStop();
}

void ThermReadWindow::cmdStartConvert_Click()
{
    sendCommand(sensor::StartConvert);
}

void ThermReadWindow::cmdStopConvert_Click()
{
    sendCommand(sensor::StopConvert);
}
