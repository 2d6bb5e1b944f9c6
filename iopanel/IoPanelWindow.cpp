#include "IoPanelWindow.h"

#include "ChipCommands.h"
#include "HexText.h"
#include "I2CSboard.h"
#include "Named.h"
#include "LampPictures.h"
#include "Twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace I2CSboard;

namespace {

constexpr std::uint8_t ReadFlag = 0x01;  // bit 0 of an address byte
constexpr int Bits = 8;
constexpr int Ports = 4;

struct PlacedOption {
    QString caption;
    int left, top, width, height;
};

// Two option buttons of one group, the first chosen, as the layout has them.
void addOptionPair(QGroupBox* frame, forms::ControlArray<QRadioButton>& array, const PlacedOption& first,
                   const PlacedOption& second)
{
    QRadioButton* chosen = nullptr;
    for (const PlacedOption& option : {first, second}) {
        auto* button = new QRadioButton(option.caption, frame);
        forms::place(button, option.left, option.top, option.width, option.height);
        chosen = chosen ? chosen : button;
        array.add(button);
    }
    chosen->setChecked(true);
}

} // namespace

IoPanelWindow::IoPanelWindow(MSComm::Setup setup, QWidget* parent) : FormWindow(std::move(setup), parent)
{
    setWindowTitle(QStringLiteral("I2C Bus Multi I/O Control"));
    forms::setClientArea(this, 7005, 4335);

    buildSettingsFrame(settingsFrame1, addressFrame1, chipFrame1, modeFrame1, QStringLiteral("PCF8574#1"), 165, 150, panel1_);
    buildSettingsFrame(settingsFrame2, addressFrame2, chipFrame2, modeFrame2, QStringLiteral("PCF8574#2"), 135, 1980, panel2_);
    Check2(1)->setChecked(true);

    // Over the settings frames' top right corners, so created after them.
    Text1 = forms::named(new QLineEdit(QStringLiteral("0"), this), "Text1");
    forms::place(Text1, 2055, 90, 810, 315);
    Text2 = forms::named(new QLineEdit(QStringLiteral("0"), this), "Text2");
    forms::place(Text2, 2085, 1935, 705, 315);

    buildLampsFrame(lampsFrame1, QStringLiteral("PCF8574 #1"), 3135, 150, 1650, panel1_);
    buildLampsFrame(lampsFrame2, QStringLiteral("PCF8574 #2"), 3120, 1980, 1665, panel2_);
    // The frames have no names of their own in the layout: they go by their members' names.
    const std::pair<QGroupBox*, const char*> frames[] = {
        {settingsFrame1, "settingsFrame1"}, {addressFrame1, "addressFrame1"}, {chipFrame1, "chipFrame1"},
        {modeFrame1, "modeFrame1"},         {settingsFrame2, "settingsFrame2"}, {addressFrame2, "addressFrame2"},
        {chipFrame2, "chipFrame2"},         {modeFrame2, "modeFrame2"},         {lampsFrame1, "lampsFrame1"},
        {lampsFrame2, "lampsFrame2"}};
    for (auto [frame, name] : frames)
        forms::named(frame, name);

    comportFrame = forms::named(new QGroupBox(QStringLiteral("SET Comport"), this), "comportFrame");
    forms::place(comportFrame, 150, 3660, 3465, 600);
    const struct {
        int left, width;
    } comPlaces[Ports] = {{180, 825}, {980, 780}, {1780, 855}, {2580, 855}};
    for (int n = 1; n <= Ports; ++n) {
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(n), comportFrame);
        forms::place(option, comPlaces[n - 1].left, 280, comPlaces[n - 1].width, 210);
        Option5.add(option);
    }

    Command3 = forms::named(new QPushButton(QStringLiteral("E&xit"), this), "Command3");
    forms::place(Command3, 5640, 3795, 1095, 420);

    // Both panels start in Read mode: their polls run from the start, port or no port.
    Timer1 = addTimer("Timer1", 100, [this] { Timer1_Timer(); });
    Timer2 = addTimer("Timer2", 200, [this] { Timer2_Timer(); });

    buildTabOrder();

    // clicked, not toggled: a click on the item already selected runs its handler again,
    // and putting a state from code runs none.
    auto onClick = [this](auto& array, void (IoPanelWindow::*handler)(int)) {
        array.forEach([this, handler](int index, auto* control) {
            connect(control, &QAbstractButton::clicked, this, [this, handler, index] { (this->*handler)(index); });
        });
    };
    onClick(Option1, &IoPanelWindow::Option1_Click);
    onClick(Option2, &IoPanelWindow::Option2_Click);
    onClick(Check1, &IoPanelWindow::Check1_Click);
    onClick(Command1, &IoPanelWindow::Command1_Click);
    onClick(Option3, &IoPanelWindow::Option3_Click);
    onClick(Option4, &IoPanelWindow::Option4_Click);
    onClick(Check2, &IoPanelWindow::Check2_Click);
    onClick(Command2, &IoPanelWindow::Command2_Click);
    onClick(Option5, &IoPanelWindow::Option5_Click);
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void IoPanelWindow::buildSettingsFrame(QGroupBox*& frame, QGroupBox*& addressFrame, QGroupBox*& chipFrame,
                                       QGroupBox*& modeFrame, const QString& title, int left, int top, const Panel& panel)
{
    frame = new QGroupBox(title, this);
    forms::place(frame, left, top, 2775, 1650);

    addressFrame = new QGroupBox(QStringLiteral("Address"), frame);
    forms::place(addressFrame, 90, 255, 720, 1335);
    for (int k = 1; k <= 3; ++k) {
        auto* box = new QCheckBox(QStringLiteral("A%1").arg(k - 1), addressFrame);
        forms::place(box, 90, 285 * k, 525, 225);
        panel.pins.add(box);
    }

    chipFrame = new QGroupBox(QStringLiteral("Chip"), frame);
    forms::place(chipFrame, 900, 255, 1770, 855);
    addOptionPair(chipFrame, panel.chip, {QStringLiteral("PCF8574"), 165, 210, 1035, 225},
                  {QStringLiteral("PCF8574A"), 150, 510, 1095, 210});

    modeFrame = new QGroupBox(QStringLiteral("Read/Write"), frame);
    forms::place(modeFrame, 900, 1080, 1770, 510);
    addOptionPair(modeFrame, panel.mode, {QStringLiteral("Read"), 225, 180, 825, 255},
                  {QStringLiteral("Write"), 975, 180, 750, 255});
}

void IoPanelWindow::buildLampsFrame(QGroupBox*& frame, const QString& title, int left, int top, int height,
                                    const Panel& panel)
{
    frame = new QGroupBox(title, this);
    forms::place(frame, left, top, 3585, height);
    for (int i = 0; i < Bits; ++i) {
        // D7 leftmost, D0 rightmost.
        int column = Bits - 1 - i;
        auto* lit = new QLabel(frame);
        lit->setPixmap(litLampPicture());
        lit->setScaledContents(true);
        forms::place(lit, 200 + 400 * column, 300, 480, 480);
        lit->hide();  // unlit until the panel's first update
        auto* unlit = new QLabel(frame);
        unlit->setPixmap(unlitLampPicture());
        unlit->setScaledContents(true);
        forms::place(unlit, 200 + 400 * column, 300, 480, 480);
        panel.lit.add(lit);
        panel.unlit.add(unlit);

        auto* button = new QPushButton(QStringLiteral("D%1").arg(i), frame);
        forms::place(button, 300 + 400 * column, 900, 300, 555);
        button->setEnabled(false);
        panel.outputs.add(button);
    }
}

void IoPanelWindow::buildTabOrder()
{
    QList<QWidget*> order;
    auto append = [&order](const auto& array) { array.forEach([&order](int, QWidget* w) { order << w; }); };
    append(Option1);
    append(Option2);
    append(Check1);
    append(Option3);
    append(Option4);
    append(Check2);
    append(Command1);
    append(Command2);
    order << Command3 << Text1 << Text2;
    append(Option5);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void IoPanelWindow::Form_Load()
{
    // PCF8574 base, Read mode; panel 2 has A0 set, as their boxes show.
    Addr1 = expander::Pcf8574AddressByte | ReadFlag;         // 0x41
    Addr2 = expander::Pcf8574AddressByte | 0x02 | ReadFlag;  // 0x43: A0 is bit 1
}

void IoPanelWindow::Option1_Click(int) { modeClicked(panel1_); }
void IoPanelWindow::Option2_Click(int) { chipClicked(panel1_); }
void IoPanelWindow::Check1_Click(int index) { pinClicked(panel1_, index); }
void IoPanelWindow::Command1_Click(int index) { outputClicked(panel1_, index); }
void IoPanelWindow::Timer1_Timer() { poll(panel1_); }
void IoPanelWindow::Option3_Click(int) { modeClicked(panel2_); }
void IoPanelWindow::Option4_Click(int) { chipClicked(panel2_); }
void IoPanelWindow::Check2_Click(int index) { pinClicked(panel2_, index); }
void IoPanelWindow::Command2_Click(int index) { outputClicked(panel2_, index); }
void IoPanelWindow::Timer2_Timer() { poll(panel2_); }

void IoPanelWindow::Option5_Click(int)
{
    try {
        if (MSComm1.PortOpen())
            MSComm1.setPortOpen(false);  // the port in use goes first, whatever follows
        // The selected item, which is the one just clicked.
        for (int n = 1; n <= Ports; ++n)
            if (Option5(n)->isChecked())
                MSComm1.setCommPort(std::int16_t(n));
        MSComm1.setPortOpen(true);
    } catch (const CommError& e) {
        showMessage(QStringLiteral("Please Select Another Comport"), QMessageBox::NoIcon,
                    QString::fromStdString(e.what()));
    }
}

void IoPanelWindow::Command3_Click()
{
    close();
}

void IoPanelWindow::modeClicked(const Panel& panel)
{
    bool read = panel.mode(0)->isChecked();
    if (read)
        panel.address |= ReadFlag;
    else
        panel.address &= std::uint8_t(~ReadFlag);
    for (int i = 0; i < Bits; ++i)
        panel.outputs(i)->setEnabled(!read);
    if (!read)
        panel.timer->stop();
    else if (!panel.timer->isActive())
        panel.timer->start();
    showAddress(panel);
}

void IoPanelWindow::chipClicked(const Panel& panel)
{
    std::uint8_t base = panel.chip(0)->isChecked() ? expander::Pcf8574AddressByte : expander::Pcf8574AAddressByte;
    panel.address = std::uint8_t((panel.address & 0x0F) | base);
    showAddress(panel);
}

void IoPanelWindow::pinClicked(const Panel& panel, int pin)
{
    std::uint8_t bit = std::uint8_t(1u << pin);
    if (panel.pins(pin)->checkState() != Qt::Unchecked)
        panel.address |= bit;
    else
        panel.address &= std::uint8_t(~bit);
    showAddress(panel);
}

void IoPanelWindow::outputClicked(const Panel& panel, int bit)
{
    // From the pins as they are now, not from a remembered byte.
    panel.portData = readPort(panel.address | ReadFlag);
    panel.portData ^= std::uint8_t(1u << bit);
    WritePort(panel.address, panel.portData);
    showLamps(panel, panel.portData);
}

void IoPanelWindow::poll(const Panel& panel)
{
    // All pins to 1 first, so that none pulls low and each reads what drives it from outside.
    WritePort(panel.address & std::uint8_t(~ReadFlag), 0xFF);
    std::uint8_t value = readPort(panel.address);
    showLamps(panel, value);
}

void IoPanelWindow::showLamps(const Panel& panel, std::uint8_t value)
{
    for (int i = 0; i < Bits; ++i) {
        bool on = (value >> i) & 1;
        panel.lit(i)->setVisible(on);
        panel.unlit(i)->setVisible(!on);
    }
}

void IoPanelWindow::showAddress(const Panel& panel)
{
    panel.addressText->setText(forms::hexByteText(panel.address));
}

void IoPanelWindow::WritePort(std::uint8_t address, std::uint8_t data)
{
    I2CStart();
    WriteByte(address);
    GetAck();
    WriteByte(data);
    GetAck();
    I2CStop();
}

std::uint8_t IoPanelWindow::readPort(std::uint8_t readAddress)
{
    I2CStart();
    WriteByte(readAddress);
    GetAck();
    std::uint8_t value = ReadByte();
    GetAck();  // the ninth clock with SDA released: not acknowledged, the one-byte read ends
    I2CStop();
    return value;
}

QList<QWidget*> IoPanelWindow::keptWhileSuspended() const
{
    QList<QWidget*> kept{Command3};
    for (int n = 1; n <= Option5.count(); ++n)
        kept << Option5(n);
    return kept;
}
