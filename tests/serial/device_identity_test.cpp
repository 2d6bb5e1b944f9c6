// Which device present is the one that was lost, on a sysfs tree of umockdev's: two interfaces
// of adapters with a serial number, two of cheap ones without, names without a USB device
// behind them, and a name that has its sysfs entry on one side only.
#include "FakeSysfs.h"  // first: before any other header

#include "DeviceIdentity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(DeviceIdentity, FakeSysfsTheSameAdapterUnderAnotherNameAndNoOtherOne)
{
    FakeSysfs sysfs;
    auto of = [](const std::string& name) { return DeviceIdentity::of("/dev/" + name, "/sys"); };
    // A tty called `name` on interface 1.0 of the USB device at `port`, with `serial` if any;
    // gives the tty's sysfs path.
    std::map<std::string, std::string> interfaces;
    auto adapter = [&](const std::string& port, const char* serial, const char* name) {
        if (!interfaces.count(port)) {
            std::vector<const char*> ids{"idVendor", "0403", "idProduct", "6001"};
            if (*serial)
                ids.insert(ids.end(), {"serial", serial});
            const std::string usb = sysfs.add("usb", port.c_str(), "", ids, {"DEVTYPE", "usb_device"});
            interfaces[port] = sysfs.add("usb", (port + ":1.0").c_str(), usb, {"bInterfaceNumber", "00"},
                                         {"DEVTYPE", "usb_interface"});
        }
        return sysfs.add("tty", name, interfaces[port], {}, {});
    };
    const DeviceIdentity appearsLater = of("ttyboardusb5");  // nothing in sysfs yet
    adapter("1-1", "A50285BI", "ttyboardusb0");
    adapter("1-2", "A50285BI", "ttyboardusb1");  // the same adapter in another socket
    const std::string cheap = adapter("1-3", "", "ttyboardusb2");
    adapter("1-4", "", "ttyboardusb3");
    adapter("1-3", "", "ttyboardusb4");  // the cheap one back on its own interface
    adapter("1-5", "", "ttyboardusb5");
    const DeviceIdentity lostCheap = of("ttyboardusb2");
    sysfs.remove(cheap);
    const DeviceIdentity goneFromSysfs = of("ttyboardusb2");  // the same path, nothing in sysfs

    struct Case {
        DeviceIdentity lost, present;
        bool same;
    };
    const Case cases[] = {
        {of("ttyboardusb0"), of("ttyboardusb1"), true},  // its serial number, in another socket
        {lostCheap, of("ttyboardusb4"), true},           // its interface, under a new name
        {lostCheap, of("ttyboardusb3"), false},          // an adapter of the same kind elsewhere
        {lostCheap, of("ttyboardusb1"), false},
        {of("ttyboardusb9"), of("ttyboardusb9"), true},  // nothing known: the name decides
        {of("ttyboardusb9"), lostCheap, false},
        {lostCheap, goneFromSysfs, true},                // known on one side only: the name decides
        {appearsLater, of("ttyboardusb5"), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.lost.isSame(c.present), c.same) << c.lost.path << " as " << c.present.path;
    EXPECT_FALSE(lostCheap.interfacePath.empty());
    EXPECT_TRUE(goneFromSysfs.interfacePath.empty());

    // A stable name is the device itself, whatever is behind it.
    const std::string byId = fs::temp_directory_path() / ("board-by-id-" + std::to_string(::getpid()));
    fs::remove(byId);
    fs::create_symlink("/dev/ttyboardusb0", byId);
    const DeviceIdentity link = DeviceIdentity::of(byId, "/sys");
    EXPECT_TRUE(link.stableName);
    EXPECT_TRUE(link.isSame(DeviceIdentity::of(byId, "/sys")));
    EXPECT_FALSE(link.isSame(of("ttyboardusb0")));
    fs::remove(byId);
}

} // namespace
