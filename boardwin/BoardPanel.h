#pragma once

#include "HexDigits.h"

#include <QGroupBox>

// The view of one part of the board. The board window calls refresh() a few dozen times a
// second; it compares the part with what is shown and touches only what differs, so that
// an idle board repaints nothing.
class BoardPanel : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    virtual void refresh() = 0;

protected:
    // A value in hexadecimal with a fixed number of digits ("0A", "8001").
    static QString hexText(unsigned value, int digits) { return QString::fromLatin1(hexDigits(value, digits)); }
    // A chip's bus address bytes for writing and reading: "90/91".
    static QString addressBytes(unsigned address7)
    {
        return hexText((address7 << 1) & 0xFF, 2) + u'/' + hexText(((address7 << 1) | 1) & 0xFF, 2);
    }
};
