#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as a text box's text: UTF-8 when the first byte is even, else raw
// UTF-16 code units (lone surrogates and all), so that every QChar can turn up.
inline QString textOfInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return QString();
    if ((data[0] & 1) == 0)
        return QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QString text;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | data[i + 1] << 8)));
    return text;
}
