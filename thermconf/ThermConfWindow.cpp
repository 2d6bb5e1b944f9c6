#include "ThermConfWindow.h"

#include "ChipCommands.h"
#include "HexText.h"
#include "I2CSboard.h"
#include "MessageBox.h"
#include "Named.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace I2CSboard;

ThermConfWindow::ThermConfWindow(MSComm::Setup setup, QWidget* parent)
    : ThermReadWindow(std::move(setup), Layout{120, 5235, 1935}, parent)
{
    Frame3 = forms::named(new QGroupBox(QStringLiteral("Config"), this), "Frame3");
    forms::place(Frame3, 60, 1020, 3615, 855);
    cmdRdConfig = forms::named(new QPushButton(QStringLiteral("Read Config"), Frame3), "cmdRdConfig");
    forms::place(cmdRdConfig, 120, 360, 1215, 375);
    txtConfig = forms::named(new QLineEdit(Frame3), "txtConfig");
    forms::place(txtConfig, 1440, 360, 735, 375);
    cmdWrConfig = forms::named(new QPushButton(QStringLiteral("Write Config"), Frame3), "cmdWrConfig");
    forms::place(cmdWrConfig, 2280, 360, 1215, 375);

    setTabOrder(cmdStopConvert, txtConfig);
    setTabOrder(txtConfig, cmdRdConfig);
    setTabOrder(cmdRdConfig, cmdWrConfig);

    connect(cmdRdConfig, &QPushButton::clicked, this, [this] { cmdRdConfig_Click(); });
    connect(cmdWrConfig, &QPushButton::clicked, this, [this] { cmdWrConfig_Click(); });
}

void ThermConfWindow::cmdRdConfig_Click()
{
    I2CStart();
    WriteByte(sensor::WriteAddress);
    GetAck();
    WriteByte(sensor::AccessConfig);
    GetAck();
    I2CStart();  // repeated start
    WriteByte(sensor::ReadAddress);
    GetAck();
    std::uint8_t value = ReadByte();
    txtConfig->setText(forms::hexByteText(value));
    ClockPulse();  // not acknowledged: the read ends
    I2CStop();
}

void ThermConfWindow::cmdWrConfig_Click()
{
    // Checked before any bus traffic, so that a refused text never leaves the bus held
    // in the middle of a transaction.
    auto value = forms::parseHexByte(txtConfig->text());
    if (!value) {
        showMessage(QStringLiteral("%1 is not a configuration value. Type a hexadecimal number from 0 "
                                   "to FF: the digits 0 to 9 and A to F, in either case; leading zeros are allowed.")
                        .arg(forms::quoted(txtConfig->text())),
                    QMessageBox::Warning);
        return;
    }
    I2CStart();
    WriteByte(sensor::WriteAddress);
    GetAck();
    WriteByte(sensor::AccessConfig);
    GetAck();
    WriteByte(*value);
    GetAck();
    I2CStop();
}
