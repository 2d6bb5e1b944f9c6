#include "DeviceIdentity.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string firstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

DeviceIdentity DeviceIdentity::of(const std::string& device, const std::string& sysfsRoot)
{
    DeviceIdentity identity;
    identity.path = device;
    std::error_code error;
    identity.stableName = fs::is_symlink(device, error);  // a device not there is no link
    error.clear();
    const fs::path real = identity.stableName ? fs::canonical(device, error) : fs::path(device);
    if (error || real.filename().empty())
        return identity;
    // The class entry links to the tty's place under devices/: …/1-2/1-2:1.0/ttyUSB0/tty/ttyUSB0
    // (ttyACM: …/1-2:1.0/tty/ttyACM0). The interface is the nearest directory above that has an
    // interface number; the USB device, with its ids and serial, is the one above it.
    fs::path dir = fs::canonical(fs::path(sysfsRoot) / "class/tty" / real.filename(), error);
    if (error)
        return identity;
    const fs::path top = fs::canonical(sysfsRoot, error);
    for (; !error && dir != top && dir.has_relative_path(); dir = dir.parent_path()) {
        if (!fs::exists(dir / "bInterfaceNumber", error))
            continue;
        identity.interfacePath = dir.string();
        const fs::path usb = dir.parent_path();
        if (const std::string serial = firstLine(usb / "serial"); !serial.empty())
            identity.serialNumber = firstLine(usb / "idVendor") + ":" + firstLine(usb / "idProduct") + ":" + serial + ":" +
                                    firstLine(dir / "bInterfaceNumber");
        break;
    }
    return identity;
}

bool DeviceIdentity::isSame(const DeviceIdentity& present) const
{
    if (stableName)
        return present.path == path;
    if (!interfacePath.empty() && present.interfacePath == interfacePath)
        return true;
    if (!serialNumber.empty() && present.serialNumber == serialNumber)
        return true;
    // Nothing to tell two devices apart by, on either side: the name decides.
    const bool unknown = interfacePath.empty() && serialNumber.empty();
    const bool presentUnknown = present.interfacePath.empty() && present.serialNumber.empty();
    return (unknown || presentUnknown) && present.path == path;
}
