#include "DeviceDescription.h"

namespace DeviceDescription {

namespace {

std::string driverOf(const DeviceFacts& device) { return device.driver.empty() ? "driver unknown" : device.driver; }

} // namespace

std::string line(const DeviceFacts& device)
{
    std::string text = device.path;
    if (!device.byId.empty() && device.byId != device.path)
        text += " (" + device.byId + ")";
    text += ": " + driverOf(device);
    if (!device.vendorId.empty()) {
        text += ", USB " + device.vendorId + ":" + device.productId;
        if (!device.product.empty())
            text += " \"" + device.product + "\"";
    }
    return text + (device.cachedStatus ? ", status cached" : ", status live");
}

std::string label(const DeviceFacts& device)
{
    const std::string name = !device.product.empty() ? device.product
                             : device.vendorId.empty() ? "Serial port"
                                                       : "USB serial adapter";
    std::string text = name + " (" + driverOf(device) + "): " + device.path;
    if (!device.byId.empty())
        text += ", " + device.byId;
    return text;
}

} // namespace DeviceDescription
