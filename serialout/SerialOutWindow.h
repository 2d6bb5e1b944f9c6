#pragma once

#include "MonotonicClock.h"
#include "OutputPanelWindow.h"

// The output panel sending its word as two bytes at 57600,n,8,1 on COM1, then, 10 ms after
// the second byte was handed over, a latch pulse on RTS. It never puts DTR or break.
class SerialOutWindow : public OutputPanelWindow {
public:
    // `clock` times the wait before the latch pulse; it must outlive the window.
    explicit SerialOutWindow(MSComm::Setup setup, MonotonicClock& clock = MonotonicClock::system(),
                             QWidget* parent = nullptr);

    static constexpr std::chrono::milliseconds LatchDelay{10};

protected:
    void openingSteps() override;
    void SendByte(std::uint8_t value) override;
    void LatchPulse() override;

private:
    void Delay10ms();

    MonotonicClock& clock_;
};
