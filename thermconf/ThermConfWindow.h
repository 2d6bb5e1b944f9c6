#pragma once

#include "ThermReadWindow.h"

// The temperature reader with a panel that reads and writes the sensor's configuration
// register in hexadecimal.
class ThermConfWindow : public ThermReadWindow {
public:
    explicit ThermConfWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    void cmdRdConfig_Click();
    void cmdWrConfig_Click();

    QGroupBox* Frame3;
    QPushButton* cmdRdConfig;
    QLineEdit* txtConfig;
    QPushButton* cmdWrConfig;
};
