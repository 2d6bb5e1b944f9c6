#include "AdapterDriver.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace AdapterDriver {

std::string of(const std::string& device, const std::string& sysfsRoot)
{
    std::error_code error;
    fs::path real = fs::canonical(device, error);
    std::string name = (error ? fs::path(device) : real).filename().string();
    if (name.empty())
        return {};
    // The link's target ends in the driver's own directory: …/bus/usb-serial/drivers/ch341-uart.
    fs::path driver = fs::read_symlink(fs::path(sysfsRoot) / "class/tty" / name / "device/driver", error);
    return error ? std::string() : driver.filename().string();
}

bool cachesStatus(std::string_view driver)
{
    return driver == "ch341-uart" || driver == "pl2303" || driver == "cdc_acm";
}

std::chrono::microseconds defaultSettle(std::string_view driver)
{
    return cachesStatus(driver) ? std::chrono::microseconds(3000) : std::chrono::microseconds(0);
}

} // namespace AdapterDriver
