#pragma once

#include "OutputPanelWindow.h"

// The output panel clocking its word into the board's shift register on three control
// lines: TXD's break state is the data bit (break = 0), DTR the shift clock, RTS the latch.
// Every word is 50 line puts, D15 first, with no waits.
class ShiftOutWindow : public OutputPanelWindow {
public:
    explicit ShiftOutWindow(MSComm::Setup setup, QWidget* parent = nullptr);

protected:
    void openingSteps() override;
    void SendByte(std::uint8_t value) override;
    void LatchPulse() override;

private:
    void SetDataBit(bool bit);
    void ShiftClock();
    void SetLinesIdle();
};
