#pragma once

#include <QString>

// A number put into a text box: at most 15 significant digits, trailing zeros and a trailing
// decimal separator dropped, no leading blank, the locale's decimal separator.
namespace forms {

QString numberText(double value);

} // namespace forms
