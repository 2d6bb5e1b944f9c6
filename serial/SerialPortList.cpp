#include "SerialPortList.h"

#include "AdapterDriver.h"
#include "Settle.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <libudev.h>
#include <memory>

namespace fs = std::filesystem;

namespace SerialPortList {

namespace {

struct UdevUnref {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevUnref>;

std::string text(const char* value) { return value ? value : ""; }

std::string byIdName(udev_device* tty)
{
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_devlinks_list_entry(tty))
    {
        const char* link = udev_list_entry_get_name(entry);
        if (link && std::strncmp(link, "/dev/serial/by-id/", 18) == 0)
            return link;
    }
    return {};
}

std::string microseconds(std::chrono::microseconds us) { return std::to_string(us.count()) + " µs"; }

} // namespace

std::vector<SerialPortInfo> present(std::optional<std::chrono::microseconds> settle)
{
    std::vector<SerialPortInfo> ports;
    UdevPtr<udev> u(udev_new());
    if (!u)
        return ports;
    UdevPtr<udev_enumerate> scan(udev_enumerate_new(u.get()));
    if (!scan || udev_enumerate_add_match_subsystem(scan.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(scan.get()) < 0)
        return ports;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan.get()))
    {
        UdevPtr<udev_device> tty(udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(entry)));
        if (!tty || !udev_device_get_devnode(tty.get()))
            continue;
        // Consoles, pseudo-terminals and the like have no device behind them.
        udev_device* parent = udev_device_get_parent(tty.get());
        if (!parent)
            continue;
        // A built-in port name the kernel keeps whether or not a UART answers (type 0: unknown).
        const char* type = udev_device_get_sysattr_value(tty.get(), "type");
        if (type && std::strcmp(type, "0") == 0)
            continue;

        SerialPortInfo port;
        port.path = udev_device_get_devnode(tty.get());
        port.byId = byIdName(tty.get());
        // Since Linux 6.5 a built-in UART's tty sits under the serial core's port and controller
        // devices (drivers "port" and "ctrl"); the UART's own driver is above them.
        while (parent && text(udev_device_get_subsystem(parent)) == "serial-base" && udev_device_get_parent(parent))
            parent = udev_device_get_parent(parent);
        port.driver = text(udev_device_get_driver(parent));
        if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(tty.get(), "usb", "usb_device")) {
            port.vendorId = text(udev_device_get_sysattr_value(usb, "idVendor"));
            port.productId = text(udev_device_get_sysattr_value(usb, "idProduct"));
            port.product = text(udev_device_get_sysattr_value(usb, "product"));
        }
        port.cachedStatus = AdapterDriver::cachesStatus(port.driver);
        port.settle = Settle::resolve({settle, {}}, port.driver).wait;
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return ports;
}

bool withoutUart(const std::string& device, const std::string& sysfsRoot)
{
    std::error_code error;
    const fs::path real = fs::canonical(device, error);
    std::ifstream type(fs::path(sysfsRoot) / "class/tty" / (error ? fs::path(device) : real).filename() / "type");
    std::string value;
    return type >> value && value == "0";
}

std::string describe(const SerialPortInfo& port)
{
    std::string line = port.path;
    if (!port.byId.empty())
        line += " (" + port.byId + ")";
    line += ": " + (port.driver.empty() ? std::string("driver unknown") : port.driver);
    if (!port.vendorId.empty()) {
        line += ", USB " + port.vendorId + ":" + port.productId;
        if (!port.product.empty())
            line += " \"" + port.product + "\"";
    }
    line += port.cachedStatus ? ", status cached" : ", status live";
    line += port.settle.count() > 0 ? ", settle " + microseconds(port.settle) : ", no settle";
    return line;
}

std::string hint(const std::vector<SerialPortInfo>& present, int commPort)
{
    std::string option = "--com" + std::to_string(commPort) + "=";
    if (present.empty())
        return "No serial device was found. Plug the adapter in, or try the virtual board with " + option + "virtual.";
    std::string text = "Serial devices present:\n";
    for (const SerialPortInfo& port : present)
        text += "  " + describe(port) + "\n";
    // A USB adapter is the likelier choice than a built-in port.
    auto example = std::find_if(present.begin(), present.end(), [](const auto& p) { return !p.vendorId.empty(); });
    if (example == present.end())
        example = present.begin();
    return text + "Use one with " + option + example->path + ".";
}

} // namespace SerialPortList
