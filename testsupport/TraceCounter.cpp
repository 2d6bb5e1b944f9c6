#include "TraceCounter.h"

#include <cstdlib>
#include <string_view>

namespace {

bool kindOf(std::string_view property, TraceCounter::Access::Kind& kind)
{
    using A = TraceCounter::Access;
    static constexpr std::pair<std::string_view, A::Kind> names[] = {
        {"DTREnable", A::Dtr},  {"RTSEnable", A::Rts},  {"Break", A::Break}, {"CDHolding", A::Cd},
        {"CTSHolding", A::Cts}, {"DSRHolding", A::Dsr}, {"Output", A::Output}};
    for (const auto& [name, k] : names)
        if (property == name) {
            kind = k;
            return true;
        }
    return false;
}

} // namespace

TraceCounter::Counts TraceCounter::count(const std::vector<std::string>& lines)
{
    Counts c;
    for (const std::string& line : lines) {
        Access a{Access::Dtr, 0};
        const std::size_t space = line.find(' ');
        if (!kindOf(std::string_view(line).substr(0, space), a.kind))
            continue;
        // "<Property> = <value>" or "<Property> -> <value>", perhaps followed by " !! <failure>".
        const std::size_t start = line.find(' ', space + 1) + 1;
        const std::string value = line.substr(start, line.find(' ', start) - start);
        if (a.kind == Access::Output) {
            a.value = unsigned(std::strtoul(value.c_str(), nullptr, 16));
            ++c.bytes;
        } else if (a.kind <= Access::Break) {
            a.value = value == "True";
            bool& level = levels_[a.kind];
            ++c.puts;
            c.changes += bool(a.value) != level;
            level = a.value;
        } else {
            a.value = value == "True";
            ++c.reads;
        }
        ++c.byKind[a.kind];
        c.accesses.push_back(a);
    }
    return c;
}
