#include "OutputPanelWindow.h"

#include "HexText.h"
#include "MessageBox.h"
#include "Named.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace {

const QString On = QStringLiteral("ON");
const QString Off = QStringLiteral("OFF");

// Left edge of the labels above the buttons, by column (bit index mod 8).
constexpr int LabelLeft[8] = {5160, 4560, 3945, 3360, 2775, 2190, 1605, 1020};

// The window font runs a pixel wider than the layout allows for "D10" … "D15": such a label
// grows to its caption, keeping its place (there is room up to the next one).
void fitCaption(QLabel* label)
{
    int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed > label->width())
        label->resize(needed, label->height());
}

} // namespace

OutputPanelWindow::OutputPanelWindow(MSComm::Setup setup, const QString& caption, QWidget* parent)
    : FormWindow(std::move(setup), parent)
{
    setWindowTitle(caption);
    forms::setClientArea(this, 5790, 2580);

    // Created in tab order: "Out" first, so that it holds the focus when the window opens.
    cmdOut = forms::named(new QPushButton(QStringLiteral("Out"), this), "cmdOut");
    forms::place(cmdOut, 1800, 2040, 855, 435);
    cmdReset = forms::named(new QPushButton(QStringLiteral("Reset"), this), "cmdReset");
    forms::place(cmdReset, 3120, 2040, 855, 435);
    Label1 = forms::named(new QLabel(QStringLiteral("OUTH"), this), "Label1");
    forms::place(Label1, 120, 240, 465, 210);
    txtOutH = forms::named(new QLineEdit(QStringLiteral("0"), this), "txtOutH");
    forms::place(txtOutH, 60, 540, 735, 315);
    Label2 = forms::named(new QLabel(QStringLiteral("OUTL"), this), "Label2");
    forms::place(Label2, 180, 1140, 435, 210);
    txtOutL = forms::named(new QLineEdit(QStringLiteral("0"), this), "txtOutL");
    forms::place(txtOutL, 60, 1440, 735, 315);

    for (int i = 0; i < 16; ++i) {
        auto* button = new QPushButton(Off, this);
        const bool upper = i >= 8;
        forms::place(button, 5040 - 600 * (i % 8), upper ? 480 : 1380, 615, 435);
        cmdD.add(button);

        auto* label = new QLabel(QStringLiteral("D%1").arg(i), this);
        forms::place(label, LabelLeft[i % 8], upper ? 180 : 1080, 285, 210);
        fitCaption(label);
        lblD.add(label);
    }

    setTabOrder(cmdOut, cmdReset);
    setTabOrder(cmdReset, txtOutH);
    setTabOrder(txtOutH, txtOutL);
    QWidget* previous = txtOutL;
    for (int i = 15; i >= 0; --i) {  // left to right, upper row first
        setTabOrder(previous, cmdD(i));
        previous = cmdD(i);
    }
    cmdOut->setFocus();

    for (int i = 0; i < 16; ++i)
        connect(cmdD(i), &QPushButton::clicked, this, [this, i] { cmdD_Click(i); });
    connect(cmdOut, &QPushButton::clicked, this, [this] { cmdOut_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
}

void OutputPanelWindow::Form_Load()
{
    openingSteps();
    // The buttons read "OFF" and the boxes "0": the board starts on the same word.
    sendFrame(0, 0);
}

bool OutputPanelWindow::bitShown(int index) const
{
    return cmdD(index)->text() == On;
}

std::uint8_t OutputPanelWindow::byteOfButtons(int first) const
{
    unsigned value = 0;
    for (int k = 0; k < 8; ++k)
        if (bitShown(first + k))
            value |= 1u << k;
    return std::uint8_t(value);
}

void OutputPanelWindow::sendFrame(std::uint8_t outH, std::uint8_t outL)
{
    SendByte(outH);
    SendByte(outL);
    LatchPulse();
}

void OutputPanelWindow::cmdD_Click(int Index)
{
    QPushButton* button = cmdD(Index);
    button->setText(button->text() == Off ? On : Off);

    // The whole word is taken from all sixteen captions: what was typed is replaced.
    std::uint8_t outH = byteOfButtons(8);
    txtOutH->setText(forms::hexByteText(outH));
    SendByte(outH);
    std::uint8_t outL = byteOfButtons(0);
    txtOutL->setText(forms::hexByteText(outL));
    SendByte(outL);
    LatchPulse();
}

void OutputPanelWindow::cmdOut_Click()
{
    // Both texts are checked before anything is sent, so that the board never sees half a
    // word: no lone OUTH byte that a later latch pulse would close, and in shiftout no 24
    // line puts of a shift that the user did not ask for.
    auto outH = forms::parseHexByte(txtOutH->text());
    auto outL = forms::parseHexByte(txtOutL->text());
    if (!outH || !outL) {
        QStringList refused;
        if (!outH)
            refused << QStringLiteral("OUTH: %1 is not a byte.").arg(forms::quoted(txtOutH->text()));
        if (!outL)
            refused << QStringLiteral("OUTL: %1 is not a byte.").arg(forms::quoted(txtOutL->text()));
        refused << QStringLiteral("Type each byte in hexadecimal: one or more digits 0 to 9 and A to F, "
                                  "from 0 to FF (leading zeros are allowed). Nothing was sent.");
        showMessage(refused.join(u'\n'), QMessageBox::Warning);
        return;
    }
    sendFrame(*outH, *outL);
}

void OutputPanelWindow::cmdReset_Click()
{
    // The panel keeps showing its word: the next button click sends it again.
    sendFrame(0, 0);
}
