#pragma once

#include <QColor>

// Colours as the windows give them: one number, red in the low byte, green in the next,
// blue in the third (255 is bright red).
namespace forms {

constexpr long rgb(int red, int green, int blue)
{
    return long(red & 0xFF) | long(green & 0xFF) << 8 | long(blue & 0xFF) << 16;
}

inline QColor colorOf(long number)
{
    return QColor(int(number & 0xFF), int(number >> 8 & 0xFF), int(number >> 16 & 0xFF));
}

} // namespace forms
