#pragma once

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// Checks one line of the transaction decoder: "S", then for every start or repeated start an
// address byte with R or W that agrees with its bit 0, data bytes, each byte followed by A or
// N, an optional "(n bits)" of an unfinished byte, and "P" last. Aborts, naming the line, when
// the line breaks that form.
inline void checkTransaction(const std::string& line)
{
    std::vector<std::string> items;
    std::istringstream in(line);
    for (std::string item; in >> item;)
        items.push_back(item);
    auto fail = [&line](const char* why) {
        std::fprintf(stderr, "malformed transaction (%s): \"%s\"\n", why, line.c_str());
        std::abort();
    };
    auto isHexByte = [](const std::string& s) {
        return s.size() == 2 && std::isxdigit(static_cast<unsigned char>(s[0])) &&
               std::isxdigit(static_cast<unsigned char>(s[1])) && !std::islower(static_cast<unsigned char>(s[0])) &&
               !std::islower(static_cast<unsigned char>(s[1]));
    };
    if (items.size() < 2 || items.front() != "S" || items.back() != "P")
        fail("not from S to P");
    bool expectAddress = true;
    for (std::size_t i = 1; i + 1 < items.size(); ++i) {
        const std::string& item = items[i];
        if (item == "Sr") {
            expectAddress = true;
        } else if (isHexByte(item)) {
            unsigned value = unsigned(std::strtoul(item.c_str(), nullptr, 16));
            if (expectAddress) {
                if (++i + 1 >= items.size() || (items[i] != "R" && items[i] != "W"))
                    fail("address without R or W");
                if ((items[i] == "R") != ((value & 1u) != 0))
                    fail("R or W disagrees with bit 0");
                expectAddress = false;
            }
            if (++i + 1 >= items.size() || (items[i] != "A" && items[i] != "N"))
                fail("byte without A or N");
        } else if (item.size() == 2 && item[0] == '(' && item[1] >= '1' && item[1] <= '8') {
            if (i + 2 != items.size() - 1 || items[i + 1] != "bits)")
                fail("unfinished byte not right before P");
            ++i;
        } else {
            fail("unknown item");
        }
    }
}
