#include "NumericText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace forms {
namespace {

bool skipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The text without the characters that are read as if they were not there.
std::u16string compact(const QString& text)
{
    std::u16string out;
    out.reserve(std::size_t(text.size()));
    for (QChar c : text)
        if (!skipped(c))
            out.push_back(c.unicode());
    return out;
}

double radixInteger(const std::u16string& text, std::size_t from, int radix)
{
    double value = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        char16_t c = text[i];
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        if (digit >= radix)
            break;
        value = value * radix + digit;  // grows to infinity, never wraps
    }
    return value;
}

// strtod in the "C" locale: QApplication puts the C library in the user's locale, whose
// decimal separator may be a comma, while a typed number always uses a period.
double parseDecimal(const std::string& ascii)
{
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

} // namespace

double numericValue(const QString& text)
{
    const std::u16string s = compact(text);
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return radixInteger(s, 2, 16);
        if (s[1] == u'O' || s[1] == u'o')
            return radixInteger(s, 2, 8);
        return 0;
    }

    // Gather what fits into plain ASCII for the C library, which does the exact rounding.
    std::string ascii;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ascii.push_back(char(s[i++]));
    bool digits = false;
    bool period = false;
    for (; i < s.size(); ++i) {
        QChar c(s[i]);
        if (isDigit(c)) {
            digits = true;
            ascii.push_back(char(s[i]));
        } else if (c == u'.' && !period) {
            period = true;
            ascii.push_back('.');
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent.push_back(char(s[j++]));
        std::size_t firstDigit = j;
        while (j < s.size() && isDigit(QChar(s[j])))
            exponent.push_back(char(s[j++]));
        if (j > firstDigit)  // "1E" and "1E+" are the number 1 followed by other text
            ascii += exponent;
    }
    return parseDecimal(ascii);
}

double roundHalfToEven(double value)
{
    double below = std::floor(value);
    double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace forms
