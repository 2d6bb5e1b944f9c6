#include "SerialOutWindow.h"

#include <string>

SerialOutWindow::SerialOutWindow(MSComm::Setup setup, MonotonicClock& clock, QWidget* parent)
    : OutputPanelWindow(std::move(setup), QStringLiteral("KRM5200 Experiment"), parent), clock_(clock)
{
}

void SerialOutWindow::openingSteps()
{
    MSComm1.setCommPort(1);
    MSComm1.setSettings("57600,n,8,1");
    MSComm1.setPortOpen(true);
}

void SerialOutWindow::SendByte(std::uint8_t value)
{
    // One character whose code is the value: 0x00 goes out as a zero byte.
    MSComm1.setOutput(std::string(1, char(value)));
}

void SerialOutWindow::LatchPulse()
{
    Delay10ms();
    MSComm1.setRTSEnable(false);
    MSComm1.setRTSEnable(true);
}

void SerialOutWindow::Delay10ms()
{
    // A busy wait: the window does not respond meanwhile, and the latch never comes early.
    const auto target = clock_.now() + LatchDelay;
    while (clock_.now() < target) {
    }
}
