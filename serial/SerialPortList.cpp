#include "SerialPortList.h"

#include "DeviceDescription.h"
#include "Settle.h"

#include <algorithm>
#include <libudev.h>
#include <memory>

namespace SerialPortList {

namespace {

struct UdevUnref {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevUnref>;

// The device nodes of every tty udev knows.
std::vector<std::string> ttyNodes()
{
    std::vector<std::string> nodes;
    UdevPtr<udev> u(udev_new());
    if (!u)
        return nodes;
    UdevPtr<udev_enumerate> scan(udev_enumerate_new(u.get()));
    if (!scan || udev_enumerate_add_match_subsystem(scan.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(scan.get()) < 0)
        return nodes;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan.get()))
    {
        UdevPtr<udev_device> tty(udev_device_new_from_syspath(u.get(), udev_list_entry_get_name(entry)));
        if (const char* node = tty ? udev_device_get_devnode(tty.get()) : nullptr)
            nodes.emplace_back(node);
    }
    return nodes;
}

std::string microseconds(std::chrono::microseconds us) { return std::to_string(us.count()) + " µs"; }

} // namespace

std::vector<DeviceFacts> present(std::optional<std::chrono::microseconds> settle)
{
    std::vector<DeviceFacts> ports;
    for (const std::string& node : ttyNodes()) {
        DeviceFacts port = DeviceFacts::of(node);
        // Consoles and pseudo-terminals have no device behind them; a built-in port name that the
        // kernel keeps whether or not a UART answers is no port.
        if (!port.hasDevice || !port.uart)
            continue;
        port.settle = Settle::resolve({settle, {}}, port.driver).wait;
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return ports;
}

std::string describe(const DeviceFacts& port)
{
    return DeviceDescription::line(port) +
           (port.settle.count() > 0 ? ", settle " + microseconds(port.settle) : std::string(", no settle"));
}

std::string hint(const std::vector<DeviceFacts>& present, int commPort)
{
    std::string option = "--com" + std::to_string(commPort) + "=";
    if (present.empty())
        return "No serial device was found. Plug the adapter in, or try the virtual board with " + option + "virtual.";
    std::string text = "Serial devices present:\n";
    for (const DeviceFacts& port : present)
        text += "  " + describe(port) + "\n";
    // A USB adapter is the likelier choice than a built-in port.
    auto example = std::find_if(present.begin(), present.end(), [](const auto& p) { return !p.vendorId.empty(); });
    if (example == present.end())
        example = present.begin();
    return text + "Use one with " + option + example->path + ".";
}

} // namespace SerialPortList
