#pragma once

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

// What is wrong with one line of the transaction decoder; empty when it has the form of a
// transaction: "S", then for every start or repeated start an address byte with R or W that
// agrees with its bit 0, then data bytes, each byte followed by A or N, an optional "(n bits)"
// of an unfinished byte, and "P" last.
inline std::string transactionFault(const std::string& line)
{
    std::vector<std::string> items;
    std::istringstream in(line);
    for (std::string item; in >> item;)
        items.push_back(item);
    auto isHexByte = [](const std::string& s) {
        auto digit = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
        return s.size() == 2 && digit(s[0]) && digit(s[1]);
    };
    if (items.size() < 2 || items.front() != "S" || items.back() != "P")
        return "not from S to P";
    bool expectAddress = true;
    for (std::size_t i = 1; i + 1 < items.size(); ++i) {
        const std::string& item = items[i];
        if (item == "Sr") {
            expectAddress = true;
        } else if (isHexByte(item)) {
            unsigned value = unsigned(std::strtoul(item.c_str(), nullptr, 16));
            if (expectAddress) {
                if (++i + 1 >= items.size() || (items[i] != "R" && items[i] != "W"))
                    return "address without R or W";
                if ((items[i] == "R") != ((value & 1u) != 0))
                    return "R or W disagrees with bit 0";
                expectAddress = false;
            }
            if (++i + 1 >= items.size() || (items[i] != "A" && items[i] != "N"))
                return "byte without A or N";
        } else if (item.size() == 2 && item[0] == '(' && item[1] >= '1' && item[1] <= '8') {
            if (i + 2 != items.size() - 1 || items[i + 1] != "bits)")
                return "unfinished byte not right before P";
            ++i;
        } else {
            return "unknown item " + item;
        }
    }
    return {};
}
