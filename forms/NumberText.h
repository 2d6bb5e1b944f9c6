#pragma once

#include <QString>

// A number put into a text box: at most 15 significant digits, trailing zeros and a trailing
// decimal separator dropped, no leading blank, the locale's decimal separator.
namespace forms {

QString numberText(double value);

// A number that a text box shows, as numberText writes it (or typed in the same way), read
// back: NaN when the box shows nothing but blanks.
double shownNumber(const QString& text);

} // namespace forms
