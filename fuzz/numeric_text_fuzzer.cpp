// The numeric reader of the analogue output box: never NaN, the sign mirrors, and for short
// texts the value agrees with a model made of a regular expression and the C library.

#include "NumericText.h"
#include "TextOfInput.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <regex>
#include <string>

namespace {

[[noreturn]] void fail(const char* why, const QString& text, double got, double expected = 0)
{
    std::fprintf(stderr, "%s: \"%s\" read as %.17g (expected %.17g)\n", why, text.toUtf8().constData(), got, expected);
    std::abort();
}

// The text as the reader sees it: blanks, tabs and line feeds dropped; anything outside
// ASCII becomes a character that no number contains.
std::string compactAscii(const QString& text)
{
    std::string out;
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        out.push_back(u > 0 && u < 0x80 ? char(u) : '#');
    }
    return out;
}

// The value the model expects, or, for &H and &O numbers too long to be exact in a double, the
// least value they can have.
struct Expected {
    double value;
    bool atLeast = false;
};

Expected model(const std::string& s)
{
    static const std::regex radix("^&([HhOo])([0-9A-Fa-f]*)");
    static const std::regex decimal("^[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?");
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    std::smatch m;
    if (s.size() >= 2 && s[0] == '&') {
        if (!std::regex_search(s, m, radix))
            return {0};
        bool hex = m[1].str() == "H" || m[1].str() == "h";
        std::string digits = m[2].str();
        std::size_t valid = hex ? digits.size() : digits.find_first_not_of("01234567");
        digits = digits.substr(0, valid);
        digits.erase(0, digits.find_first_not_of('0'));
        if (digits.empty())
            return {0};
        if (digits.size() > (hex ? 13u : 17u))  // beyond exact integers: 16^13 = 2^52, 8^17 = 2^51
            return {hex ? 4503599627370496.0 : 2251799813685248.0, true};
        return {double(std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8))};
    }
    if (!std::regex_search(s, m, decimal))
        return {0};
    return {strtod_l(m[0].str().c_str(), nullptr, c)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = textOfInput(data, size);
    const double value = forms::numericValue(text);
    if (std::isnan(value))
        fail("NaN", text, value);

    // A leading minus sign negates whatever the rest reads as, unless the rest has a sign of
    // its own or is a &H / &O number (which takes no sign).
    const std::string compact = compactAscii(text);
    if (!compact.empty() && compact[0] != '+' && compact[0] != '-' && compact[0] != '&') {
        const double negated = forms::numericValue(QStringLiteral("-") + text);
        if (!(negated == -value))
            fail("the minus sign does not negate", text, negated, -value);
    }

    // The model's regular expressions recurse per character: short texts only.
    if (compact.size() <= 200) {
        const Expected expected = model(compact);
        if (expected.atLeast) {
            if (!(value >= expected.value))
                fail("a long &H or &O number reads too small", text, value, expected.value);
        } else if (!(value == expected.value)) {
            fail("disagrees with the model", text, value, expected.value);
        }
    }

    // What the output box does with it: clipped to 0 to 5 V, then 51 steps a volt, halfway to
    // even. No value may leave the byte range or reach the conversion undefined.
    const double volts = value > 5 ? 5.0 : value < 0 ? 0.0 : value;
    const double step = forms::roundHalfToEven(volts * 51);
    if (!(step >= 0 && step <= 255))
        fail("the output byte leaves 0 to 255", text, step);
    return 0;
}
