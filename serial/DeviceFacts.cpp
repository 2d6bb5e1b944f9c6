#include "DeviceFacts.h"

#include "AdapterDriver.h"

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

// The path with every symlink followed, or as it is when that fails (a device that is gone).
fs::path real(const fs::path& path)
{
    std::error_code error;
    fs::path followed = fs::canonical(path, error);
    return error ? path : followed;
}

// The device that `dir` hangs on, as udev finds it: the nearest directory above it that is a
// device (has a uevent file). None above a console or another virtual tty.
fs::path parentDevice(fs::path dir, const fs::path& top)
{
    std::error_code error;
    for (dir = dir.parent_path(); dir != top && dir.has_relative_path(); dir = dir.parent_path())
        if (fs::exists(dir / "uevent", error))
            return dir;
    return {};
}

// The driver above the serial core's layer: since Linux 6.5 a built-in UART's tty hangs on a
// port device (driver "port") under a controller device ("ctrl"), both of bus serial-base,
// and the UART's own driver (serial8250, the PnP driver "serial", …) sits above them. Before,
// and on USB adapters, the tty's device is the driver's own.
std::string driverAbove(fs::path device, const fs::path& top)
{
    std::error_code error;
    while (fs::read_symlink(device / "subsystem", error).filename() == "serial-base") {
        fs::path above = parentDevice(device, top);
        if (above.empty())
            break;
        device = above;
    }
    // The link's target ends in the driver's own directory: …/bus/usb-serial/drivers/ch341-uart.
    const fs::path driver = fs::read_symlink(device / "driver", error);
    return error ? std::string() : driver.filename().string();
}

// The USB interface and the USB device above the tty's place in devices/, if any.
void readUsb(DeviceFacts& facts, fs::path dir, const fs::path& top)
{
    std::error_code error;
    fs::path interface;
    for (; dir != top && dir.has_relative_path(); dir = dir.parent_path()) {
        if (interface.empty() && fs::exists(dir / "bInterfaceNumber", error))
            interface = dir;
        if (!fs::exists(dir / "idVendor", error))
            continue;
        facts.vendorId = firstLine(dir / "idVendor");
        facts.productId = firstLine(dir / "idProduct");
        facts.product = firstLine(dir / "product");
        const std::string serial = firstLine(dir / "serial");
        if (!interface.empty()) {
            facts.interfacePath = interface.string();
            if (!serial.empty())
                facts.serialNumber = facts.vendorId + ":" + facts.productId + ":" + serial + ":" +
                                     firstLine(interface / "bInterfaceNumber");
        }
        return;
    }
}

std::string stableName(const fs::path& device, const std::string& byIdDir)
{
    std::error_code error;
    for (const fs::directory_entry& link : fs::directory_iterator(byIdDir, error))
        if (real(link.path()) == device)
            return link.path().string();
    return {};
}

} // namespace

DeviceFacts DeviceFacts::of(const std::string& device, const std::string& sysfsRoot, const std::string& byIdDir)
{
    DeviceFacts facts;
    facts.path = device;
    const fs::path node = real(device);
    facts.name = node.filename().string();
    if (facts.name.empty())
        return facts;
    facts.byId = stableName(node, byIdDir);
    // The class entry links to the tty's place under devices/: …/1-2:1.0/ttyUSB0/tty/ttyUSB0.
    const fs::path tty = real(fs::path(sysfsRoot) / "class/tty" / facts.name);
    const fs::path top = real(sysfsRoot);
    facts.uart = firstLine(tty / "type") != "0";
    // The kernel links the tty to its device; a tree without the link is read as udev reads it.
    std::error_code error;
    const fs::path parent = fs::exists(tty / "device", error) ? real(tty / "device") : parentDevice(tty, top);
    facts.hasDevice = !parent.empty();
    if (facts.hasDevice)
        facts.driver = driverAbove(parent, top);
    facts.cachedStatus = AdapterDriver::cachesStatus(facts.driver);
    facts.settle = AdapterDriver::defaultSettle(facts.driver);
    readUsb(facts, tty, top);
    return facts;
}
