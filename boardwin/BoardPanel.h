#pragma once

#include <QGroupBox>

// The view of one part of the board. The board window calls refresh() a few dozen times a
// second; it compares the part with what is shown and touches only what differs, so that
// an idle board repaints nothing.
class BoardPanel : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    virtual void refresh() = 0;
};
