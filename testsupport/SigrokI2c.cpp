#include "SigrokI2c.h"

#include <cstdio>
#include <stdexcept>

namespace {

// "Address read: 91" -> "91 R"; "Data write: AA" -> "AA"; the conditions and acknowledges to
// their letters; the R/W bit's own annotation (Read, Write) to nothing.
std::string item(const std::string& text)
{
    auto after = [&text](const char* prefix) -> std::string {
        const std::string p(prefix);
        return text.rfind(p, 0) == 0 ? text.substr(p.size()) : std::string();
    };
    if (text == "Start") return "S";
    if (text == "Start repeat") return "Sr";
    if (text == "Stop") return "P";
    if (text == "ACK") return "A";
    if (text == "NACK") return "N";
    if (text == "Read" || text == "Write") return {};
    if (std::string a = after("Address read: "); !a.empty()) {
        char byte[9];
        std::snprintf(byte, sizeof byte, "%02X", unsigned(std::stoul(a, nullptr, 16)) | 1u);
        return std::string(byte) + " R";
    }
    if (std::string a = after("Address write: "); !a.empty())
        return a + " W";
    if (std::string d = after("Data read: "); !d.empty())
        return d;
    if (std::string d = after("Data write: "); !d.empty())
        return d;
    return "?" + text;
}

} // namespace

std::vector<std::string> sigrokTransactions(const std::string& vcdPath)
{
    // Idle stretches (between transactions, or the program's start-up) are squeezed: at the
    // dump's 1 ns a second would be a billion samples.
    const std::string command = "sigrok-cli -I vcd:compress=1000 -i '" + vcdPath +
                                "' -P i2c:scl=SCL:sda=SDA:address_format=unshifted"
                                " -A i2c=start:repeat-start:stop:ack:nack:address-read:address-write:data-read:data-write"
                                " 2>&1";
    std::FILE* out = ::popen(command.c_str(), "r");
    if (!out)
        throw std::runtime_error("cannot run sigrok-cli");
    std::vector<std::string> transactions;
    std::string current, everything;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, out)) {
        std::string line(buffer);
        everything += line;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        const auto colon = line.find(": ");
        if (line.rfind("i2c-", 0) != 0 || colon == std::string::npos)
            continue;
        const std::string letters = item(line.substr(colon + 2));
        if (letters.empty())
            continue;
        if (!current.empty())
            current += ' ';
        current += letters;
        if (letters == "P") {
            transactions.push_back(current);
            current.clear();
        }
    }
    if (::pclose(out) != 0)
        throw std::runtime_error("sigrok-cli failed on " + vcdPath + ":\n" + everything);
    if (!current.empty())
        transactions.push_back(current);  // cut short: shown as it stands, so that it is compared
    return transactions;
}
