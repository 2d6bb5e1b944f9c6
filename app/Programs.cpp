#include "Programs.h"

#include "ProgramEntries.h"

#include <stdexcept>
#include <string>

const std::vector<Program>& programs()
{
    static const std::vector<Program> all{thermReadProgram(), thermConfProgram(), adcPanelProgram(), ioPanelProgram(),
                                          shiftOutProgram(),  serialOutProgram(), lineProbeProgram()};
    return all;
}

const Program& program(std::string_view name)
{
    for (const Program& p : programs())
        if (p.name == QLatin1String(name.data(), qsizetype(name.size())))
            return p;
    throw std::out_of_range("no program named " + std::string(name));
}

const Program& programOf(const std::type_info& windowClass)
{
    for (const Program& p : programs())
        if (*p.windowClass == windowClass)
            return p;
    throw std::out_of_range(std::string("no program has a window of class ") + windowClass.name());
}
