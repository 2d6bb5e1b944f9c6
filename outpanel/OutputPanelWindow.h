#pragma once

#include "ControlArray.h"
#include "FormWindow.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

// The sixteen-bit output panel: the word D15 … D0 on sixteen ON/OFF buttons and as two
// hexadecimal bytes, OUTH (D15 … D8) and OUTL (D7 … D0). Every change goes to the board at
// once as one frame: SendByte(OUTH), SendByte(OUTL), LatchPulse(). How a byte and the
// latch pulse reach the board, and how the port is opened, is each program's own.
class OutputPanelWindow : public FormWindow {
public:
    OutputPanelWindow(MSComm::Setup setup, const QString& caption, QWidget* parent = nullptr);

    // The program's opening steps, then the start-up frame of an all-zero word.
    void Form_Load() final;

    // Bit `index` of the word the captions show.
    bool bitShown(int index) const;

    void cmdD_Click(int Index);
    void cmdOut_Click();
    void cmdReset_Click();

    // The word lives in the captions: bit i is 1 exactly when cmdD(i) reads "ON".
    forms::ControlArray<QPushButton> cmdD{"cmdD"};
    forms::ControlArray<QLabel> lblD{"lblD"};
    QLabel* Label1;
    QLineEdit* txtOutH;
    QLabel* Label2;
    QLineEdit* txtOutL;
    QPushButton* cmdOut;
    QPushButton* cmdReset;

protected:
    // Opens the port (and sets the lines the program needs at rest); may throw CommError.
    virtual void openingSteps() = 0;
    // Passes one byte on towards the board; called twice per frame, OUTH first.
    virtual void SendByte(std::uint8_t value) = 0;
    // Closes the frame: the board takes over the sixteen bits sent before it.
    virtual void LatchPulse() = 0;

private:
    void sendFrame(std::uint8_t outH, std::uint8_t outL);
    // The byte of buttons cmdD(first) … cmdD(first + 7), cmdD(first) as bit 0.
    std::uint8_t byteOfButtons(int first) const;
};
