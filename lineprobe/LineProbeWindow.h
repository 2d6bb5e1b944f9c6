#pragma once

#include "FormWindow.h"

class QLabel;
class QTimer;
namespace forms {
class Shape;
}

// Shows the port's status inputs as three lamps, refreshed every 100 ms: CD at the top
// (labelled "DCD"), DSR in the middle, CTS at the bottom; bright red while a line is
// asserted, dark red while it is not.
class LineProbeWindow : public FormWindow {
public:
    static constexpr long Asserted = 255;      // RGB(255, 0, 0)
    static constexpr long NotAsserted = 128;   // RGB(128, 0, 0)

    explicit LineProbeWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    // Opens the stored port. A port held by another program is reported in a box and left
    // closed; any other failure is thrown on.
    void Form_Load() override;
    void Timer1_Timer();

    forms::Shape* Shape1;  // CTS
    forms::Shape* Shape2;  // CD
    forms::Shape* Shape3;  // DSR
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QTimer* Timer1;
};
