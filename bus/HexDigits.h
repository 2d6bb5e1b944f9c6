#pragma once

#include <string>

// Hexadecimal text in upper case with a fixed number of digits, leading zeros included: 0x0A
// with two digits is "0A", 0x8001 with four "8001". Every layer writes hexadecimal through
// these; the char-buffer form costs no allocation, for the bus decoder's every byte.

// Writes the low `digits` hexadecimal digits of `value` at `out` and returns the end.
constexpr char* putHexDigits(char* out, unsigned value, int digits)
{
    constexpr char digit[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        *out++ = digit[(value >> shift) & 0xFu];
    return out;
}

inline std::string hexDigits(unsigned value, int digits)
{
    std::string text(std::size_t(digits), '0');
    putHexDigits(text.data(), value, digits);
    return text;
}

// How many digits `value` takes without leading zeros (one for zero).
constexpr int hexDigitCount(unsigned value)
{
    int digits = 1;
    while (value >>= 4)
        ++digits;
    return digits;
}
