#include "Programs.h"

#include "AdcPanelWindow.h"
#include "Experiments.h"
#include "IoPanelWindow.h"
#include "LineProbeWindow.h"
#include "SerialOutWindow.h"
#include "ShiftOutWindow.h"
#include "ThermConfWindow.h"

#include <stdexcept>
#include <string>

namespace {

template <class Window>
Program entry(const char* name, void (*buildBoard)(Board&), bool choosesPort = false)
{
    return Program{QString::fromLatin1(name), QStringLiteral(BOARD_SUITE_ID_PREFIX ".") + QString::fromLatin1(name),
                   [](MSComm::Setup setup) -> std::unique_ptr<FormWindow> { return std::make_unique<Window>(std::move(setup)); },
                   buildBoard, &typeid(Window), choosesPort};
}

} // namespace

const std::vector<Program>& programs()
{
    static const std::vector<Program> all{
        entry<ThermReadWindow>("thermread", &experiments::sensorBoard),
        entry<ThermConfWindow>("thermconf", &experiments::sensorBoard),
        entry<AdcPanelWindow>("adcpanel", &experiments::converterBoard),
        entry<IoPanelWindow>("iopanel", &experiments::expanderBoard, true),
        entry<ShiftOutWindow>("shiftout", &experiments::shiftRegisterBoard),
        entry<SerialOutWindow>("serialout", &experiments::serialReceiverBoard),
        entry<LineProbeWindow>("lineprobe", &experiments::statusInputsBoard),
    };
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
