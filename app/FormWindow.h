#pragma once

#include "MSComm.h"

#include <QWidget>

// A program's one window: it owns the serial-port component MSComm1, which the two-wire
// primitives drive while this is the running window.
class FormWindow : public QWidget {
public:
    explicit FormWindow(MSComm::Setup setup, QWidget* parent = nullptr);
    ~FormWindow() override;

    // Runs once when the window has been created, before it is shown. May throw CommError.
    virtual void Form_Load() = 0;

    MSComm MSComm1;
};
