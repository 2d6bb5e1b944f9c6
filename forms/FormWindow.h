#pragma once

#include "I2CSboard.h"
#include "MSComm.h"

#include <QWidget>

// A program's one window: it owns the serial-port component MSComm1 and hands the two-wire
// primitives to it for as long as the window lives.
class FormWindow : public QWidget {
public:
    explicit FormWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    // Runs once when the window has been created, before it is shown. May throw CommError.
    virtual void Form_Load() = 0;

    MSComm MSComm1;

private:
    I2CSboard::ComponentScope bus_{MSComm1};
};
