#include "HexText.h"

#include "HexDigits.h"

namespace forms {

QString hexByteText(std::uint8_t value)
{
    return QString::fromLatin1(hexDigits(value, hexDigitCount(value)));
}

std::optional<std::uint8_t> parseHexByte(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    unsigned value = 0;
    for (QChar c : text) {
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c.unicode() - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c.unicode() - u'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + unsigned(digit);
        if (value > 0xFF)
            return std::nullopt;
    }
    return std::uint8_t(value);
}

} // namespace forms
