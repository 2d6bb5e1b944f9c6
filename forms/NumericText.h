#pragma once

#include <QString>

// The number at the start of a text, as the forms runtime reads one.
namespace forms {

// Blanks, tabs and line feeds are skipped wherever they stand. Then come an optional sign,
// decimal digits with at most one period (a period in every locale), and an optional
// exponent (E, optional sign, digits), read up to the first character that does not fit;
// or &H with hexadecimal digits, or &O with octal digits (an unsigned integer). Letters may
// be of either case. A text that does not begin with a number reads as 0. A value too large
// for a double reads as infinity of its sign, so that callers can clip it like any large
// value; nothing here fails.
double numericValue(const QString& text);

// The nearest integer, a value exactly halfway going to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as the forms runtime turns a number into an integer.
double roundHalfToEven(double value);

} // namespace forms
