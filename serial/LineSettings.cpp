#include "LineSettings.h"

#include <array>
#include <cctype>
#include <charconv>

namespace {

bool toInt(std::string_view s, int& out)
{
    if (s.empty())
        return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<LineSettings> LineSettings::parse(std::string_view text)
{
    std::array<std::string_view, 4> field;
    std::size_t count = 0;
    while (count < field.size()) {
        auto comma = text.find(',');
        field[count++] = trimmed(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            text = {};
            break;
        }
        text.remove_prefix(comma + 1);
    }
    if (count != 4 || !text.empty())
        return std::nullopt;

    LineSettings s;
    if (!toInt(field[0], s.baud) || s.baud <= 0)
        return std::nullopt;
    if (field[1].size() != 1)
        return std::nullopt;
    s.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(field[1][0])));
    if (std::string_view("neoms").find(s.parity) == std::string_view::npos)
        return std::nullopt;
    if (!toInt(field[2], s.dataBits) || s.dataBits < 5 || s.dataBits > 8)
        return std::nullopt;
    if (field[3] == "1.5")
        s.stopBits = 2;
    else if (!toInt(field[3], s.stopBits) || (s.stopBits != 1 && s.stopBits != 2))
        return std::nullopt;
    return s;
}

std::string LineSettings::text() const
{
    return std::to_string(baud) + ',' + parity + ',' + std::to_string(dataBits) + ',' + std::to_string(stopBits);
}
