#pragma once

#include "FormWindow.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// The temperature reader: reads the sensor at 0x90/0x91 and starts and stops its conversions.
class ThermReadWindow : public FormWindow {
public:
    explicit ThermReadWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    void Form_Load() override;
    void cmdRdTemp_Click();
    void cmdStartConvert_Click();
    void cmdStopConvert_Click();

    QGroupBox* Frame1;
    QLineEdit* txtTemp;
    QPushButton* cmdRdTemp;
    QGroupBox* Frame2;
    QPushButton* cmdStartConvert;
    QPushButton* cmdStopConvert;

protected:
    struct Layout {
        int framesTop;
        int clientWidth;
        int clientHeight;
    };
    ThermReadWindow(MSComm::Setup setup, const Layout& layout, QWidget* parent);

private:
    void sendCommand(std::uint8_t command);
};
