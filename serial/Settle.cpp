#include "Settle.h"

#include "AdapterDriver.h"

Settle Settle::resolve(const Asked& asked, std::string_view driver)
{
    if (asked.option)
        return {*asked.option, Source::Option};
    if (asked.remembered)
        return {*asked.remembered, Source::Remembered};
    return {AdapterDriver::defaultSettle(driver), Source::Driver};
}

std::string Settle::from() const
{
    switch (source) {
    case Source::Option: return "--settle";
    case Source::Remembered: return "remembered";
    case Source::Driver: break;
    }
    return "the driver's default";
}
