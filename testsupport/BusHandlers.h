#pragma once

#include "AdcPanelWindow.h"
#include "IoPanelWindow.h"
#include "ThermConfWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

// Handlers of every kind of two-wire transaction the programs make, run as the user or the
// timer runs them: a register read with a repeated start and two bytes, one with one byte, a
// write, a plain read of four bytes after a write, an expander's poll and a pin toggled.
namespace busHandlers {

// Read Temp, Read Config, and Write Config of 0A.
inline void run(ThermConfWindow& w)
{
    w.cmdRdTemp->click();
    w.cmdRdConfig->click();
    w.txtConfig->setText("A");
    w.cmdWrConfig->click();
}

// One tick.
inline void run(AdcPanelWindow& w)
{
    w.Timer1->stop();
    w.Timer1_Timer();
}

// COM`port` chosen, a poll of each panel, then panel 1 set to Write and pin 5 toggled.
inline void run(IoPanelWindow& w, int port = 1)
{
    w.Timer1->stop();
    w.Timer2->stop();
    w.Option5(port)->click();
    w.Timer1_Timer();
    w.Timer2_Timer();
    w.Option1(1)->click();
    w.Command1(5)->click();
}

} // namespace busHandlers
