#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

// Window layouts are given in twips (1/1440 inch); the screen has 15 twips per pixel.
namespace forms {

constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// Places a control relative to its container.
inline void place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

// Gives a window a fixed client area.
inline void setClientArea(QWidget* window, int width, int height)
{
    window->setFixedSize(QSize(pixels(width), pixels(height)));
}

} // namespace forms
