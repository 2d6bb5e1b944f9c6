#include "DeviceIdentity.h"
#include "FakeSysfs.h"
#include "SerialPortList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// libudev's list against sysfs read directly: every tty with a device behind it, but the
// built-in names the kernel keeps without a UART (type 0). Nothing is opened.
TEST(PortList, EveryTtyWithADeviceAndAUartIsListed)
{
    std::vector<std::string> expected;
    for (const auto& entry : fs::directory_iterator("/sys/class/tty")) {
        if (!fs::exists(entry.path() / "device"))
            continue;
        std::string type;
        std::ifstream(entry.path() / "type") >> type;
        if (type != "0")
            expected.push_back("/dev/" + entry.path().filename().string());
    }
    std::sort(expected.begin(), expected.end());

    std::vector<std::string> listed;
    for (const DeviceFacts& port : SerialPortList::present(250us)) {
        listed.push_back(port.path);
        EXPECT_EQ(port.settle, 250us) << port.path;
    }
    EXPECT_EQ(listed, expected);
}

// A sysfs tree of umockdev's (the test runs under umockdev-wrapper, which points libudev at it):
// a built-in UART, a built-in port name the kernel keeps with no UART (type 0), a console with
// no device, and a USB adapter. Their names are made up, so that none reads as a real port.
TEST(FakeSysfs, BuiltInNamesWithoutAUartAndConsolesAreLeftOut)
{
    FakeSysfs sysfs;
    const std::string platform = sysfs.add("platform", "serial8250", "", {}, {}, "serial8250");
    sysfs.add("tty", "ttyboard0", platform, {"type", "4"}, {"DEVNAME", "ttyboard0"});
    sysfs.add("tty", "ttyboard1", platform, {"type", "0"}, {"DEVNAME", "ttyboard1"});
    sysfs.add("tty", "tty0", "", {}, {"DEVNAME", "tty0"});
    const std::string usb = sysfs.add("usb", "1-1", "", {"idVendor", "1a86", "idProduct", "7523", "product", "USB Serial"},
                                      {"DEVTYPE", "usb_device"});
    const std::string usbInterface = sysfs.add("usb", "1-1:1.0", usb, {}, {"DEVTYPE", "usb_interface"});
    const std::string usbSerial = sysfs.add("usb-serial", "ttyboardusb0", usbInterface, {}, {}, "ch341-uart");
    sysfs.add("tty", "ttyboardusb0", usbSerial, {}, {"DEVNAME", "ttyboardusb0"});

    std::vector<std::string> listed;
    for (const DeviceFacts& port : SerialPortList::present())
        listed.push_back(SerialPortList::describe(port));
    EXPECT_EQ(listed, (std::vector<std::string>{
                          "/dev/ttyboard0: serial8250, status live, no settle",
                          "/dev/ttyboardusb0: ch341-uart, USB 1a86:7523 \"USB Serial\", status cached, settle 3000 µs"}));
}

// Which device present is the one that was lost, on a sysfs tree written here: two interfaces
// of adapters with a serial number, two of cheap ones without, and names without a USB device
// behind them.
TEST(DeviceIdentity, TheSameAdapterUnderAnotherNameAndNoOtherOne)
{
    const fs::path root = fs::temp_directory_path() / ("board-sysfs-" + std::to_string(::getpid()));
    fs::remove_all(root);
    auto file = [](const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text << "\n";
    };
    // A tty called `name` on interface 1.0 of the USB device at `port`, with `serial` if any.
    auto adapter = [&](const std::string& port, const std::string& serial, const std::string& name) {
        const fs::path usb = root / "devices/usb1" / port;
        file(usb / "idVendor", "0403");
        file(usb / "idProduct", "6001");
        if (!serial.empty())
            file(usb / "serial", serial);
        const fs::path tty = usb / (port + ":1.0") / "ttyUSBx/tty" / name;
        file(usb / (port + ":1.0/bInterfaceNumber"), "00");
        fs::create_directories(tty);
        fs::create_directories(root / "class/tty");
        fs::create_directory_symlink(tty, root / "class/tty" / name);
    };
    adapter("1-1", "A50285BI", "ttyboardusb0");
    adapter("1-2", "A50285BI", "ttyboardusb1");  // the same adapter in another socket
    adapter("1-3", "", "ttyboardusb2");
    adapter("1-4", "", "ttyboardusb3");
    adapter("1-3", "", "ttyboardusb4");  // the cheap one back on its own interface
    const std::string byId = (root / "by-id-link").string();
    fs::create_symlink("/dev/ttyboardusb0", byId);
    auto of = [&](const std::string& name) { return DeviceIdentity::of("/dev/" + name, root.string()); };

    struct Case {
        DeviceIdentity lost;
        std::string present;
        bool same;
    };
    const Case cases[] = {
        {of("ttyboardusb0"), "ttyboardusb1", true},   // its serial number, in another socket
        {of("ttyboardusb2"), "ttyboardusb4", true},   // its interface, under a new name
        {of("ttyboardusb2"), "ttyboardusb3", false},  // an adapter of the same kind elsewhere
        {of("ttyboardusb2"), "ttyboardusb1", false},
        {of("ttyboardusb9"), "ttyboardusb9", true},   // nothing known: the name decides
        {of("ttyboardusb9"), "ttyboardusb2", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.lost.isSame(of(c.present)), c.same) << c.lost.path << " as " << c.present;
    // A stable name is the device itself, whatever is behind it.
    const DeviceIdentity link = DeviceIdentity::of(byId, root.string());
    EXPECT_TRUE(link.stableName);
    EXPECT_TRUE(link.isSame(DeviceIdentity::of(byId, root.string())));
    EXPECT_FALSE(link.isSame(of("ttyboardusb0")));
    fs::remove_all(root);
}

TEST(PortList, LinesAndHintName)
{
    DeviceFacts adapter{"/dev/board-adapter0", "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0", "ch341-uart",
                           "1a86", "7523", "USB Serial", true, 3000us};
    DeviceFacts builtIn{"/dev/board-uart0", "", "serial8250", "", "", "", false, 0us};
    EXPECT_EQ(SerialPortList::describe(adapter),
              "/dev/board-adapter0 (/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0): ch341-uart, USB 1a86:7523 "
              "\"USB Serial\", status cached, settle 3000 µs");
    EXPECT_EQ(SerialPortList::describe(builtIn), "/dev/board-uart0: serial8250, status live, no settle");

    // The example names a USB adapter before a built-in port, with the COM port that failed.
    EXPECT_EQ(SerialPortList::hint({builtIn, adapter}, 2),
              "Serial devices present:\n  " + SerialPortList::describe(builtIn) + "\n  " +
                  SerialPortList::describe(adapter) + "\nUse one with --com2=/dev/board-adapter0.");
    EXPECT_EQ(SerialPortList::hint({}, 1),
              "No serial device was found. Plug the adapter in, or try the virtual board with --com1=virtual.");
}

} // namespace
