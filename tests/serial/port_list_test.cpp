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
