#pragma once

#include <optional>
#include <string>
#include <string_view>

// Baud, parity, data and stop bits as the text "57600,n,8,1" gives them.
struct LineSettings {
    int baud = 9600;
    char parity = 'n';  // n, e, o, m, s
    int dataBits = 8;   // 5 to 8
    int stopBits = 1;   // 1 or 2 (1.5 is taken as 2)

    static std::optional<LineSettings> parse(std::string_view text);
    std::string text() const;
    bool operator==(const LineSettings&) const = default;
};
