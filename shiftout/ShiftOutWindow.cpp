#include "ShiftOutWindow.h"

ShiftOutWindow::ShiftOutWindow(MSComm::Setup setup, QWidget* parent)
    : OutputPanelWindow(std::move(setup), QStringLiteral("Shift Register 16 bit"), parent)
{
}

void ShiftOutWindow::openingSteps()
{
    // The component's stored port (COM1); no settings, as no data byte is ever sent.
    MSComm1.setPortOpen(true);
    SetLinesIdle();
}

void ShiftOutWindow::SendByte(std::uint8_t value)
{
    for (int n = 7; n >= 0; --n) {
        SetDataBit((value >> n) & 1u);
        ShiftClock();
    }
}

void ShiftOutWindow::LatchPulse()
{
    MSComm1.setRTSEnable(false);
    MSComm1.setRTSEnable(true);
}

void ShiftOutWindow::SetDataBit(bool bit)
{
    MSComm1.setBreak(!bit);
}

void ShiftOutWindow::ShiftClock()
{
    MSComm1.setDTREnable(false);
    MSComm1.setDTREnable(true);
}

void ShiftOutWindow::SetLinesIdle()
{
    MSComm1.setDTREnable(true);
    MSComm1.setRTSEnable(true);
}
