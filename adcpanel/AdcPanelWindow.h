#pragma once

#include "ControlArray.h"
#include "FormWindow.h"

class QLabel;
class QLineEdit;
class QTimer;

// The four-channel voltmeter and analogue output of the PCF8591 at 0x90/0x91: every 200 ms
// the four readings as volts, and every change of the output box sends its volts.
class AdcPanelWindow : public FormWindow {
public:
    explicit AdcPanelWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    void Form_Load() override;
    void Timer1_Timer();
    void Text5_Change();

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLineEdit* Text5;
    forms::ControlArray<QLabel> Label1{"Label1", 0};
    QTimer* Timer1;
};
