#pragma once

#include <QString>

// A value in upper-case hexadecimal with a fixed number of digits ("0A", "8001").
inline QString hexDigits(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

// A chip's bus address bytes for writing and reading: "90/91".
inline QString addressBytes(unsigned address7)
{
    return hexDigits((address7 << 1) & 0xFF, 2) + u'/' + hexDigits(((address7 << 1) | 1) & 0xFF, 2);
}
