#include "AdapterDriver.h"

namespace AdapterDriver {

bool cachesStatus(std::string_view driver)
{
    return driver == "ch341-uart" || driver == "pl2303" || driver == "cdc_acm";
}

std::chrono::microseconds defaultSettle(std::string_view driver)
{
    return cachesStatus(driver) ? std::chrono::microseconds(3000) : std::chrono::microseconds(0);
}

} // namespace AdapterDriver
