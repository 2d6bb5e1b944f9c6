#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Bytes as the user sees them: hexadecimal, upper-case digits, no prefix, no leading zeros.
namespace forms {

QString hexByteText(std::uint8_t value);

// One or more hexadecimal digits in either case, leading zeros allowed, value at most FF.
// Anything else (empty, other characters, blanks, a larger value) gives nothing.
std::optional<std::uint8_t> parseHexByte(const QString& text);

} // namespace forms
