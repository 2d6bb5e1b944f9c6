// The hexadecimal byte reader against a model of what it must accept: one or more digits
// 0-9, a-f, A-F, leading zeros allowed, value at most FF; and the writer's round trip.

#include "HexText.h"
#include "TextOfInput.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

std::optional<unsigned> modelHexByte(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text) {
        char16_t u = c.unicode();
        bool digit = (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!digit)
            return std::nullopt;
    }
    qsizetype first = 0;
    while (first < text.size() - 1 && text[first] == u'0')
        ++first;
    QString significant = text.mid(first);
    if (significant.size() > 2)
        return std::nullopt;
    return unsigned(std::strtoul(significant.toLatin1().constData(), nullptr, 16));
}

[[noreturn]] void fail(const char* why, const QString& text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", why, text.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = textOfInput(data, size);
    const std::optional<std::uint8_t> read = forms::parseHexByte(text);
    const std::optional<unsigned> expected = modelHexByte(text);
    if (read.has_value() != expected.has_value())
        fail(read ? "accepted a text that is no byte" : "refused a byte", text);
    if (!read)
        return 0;
    if (*read != *expected)
        fail("read the wrong value", text);
    const QString written = forms::hexByteText(*read);
    if (written.isEmpty() || written.size() > 2 || (written.size() == 2 && written[0] == u'0') ||
        written != written.toUpper())
        fail("wrote a byte in the wrong form", written);
    if (forms::parseHexByte(written) != read)
        fail("the written form reads back otherwise", written);
    return 0;
}
