// What sysfs tells of a serial device, on umockdev's sysfs trees (the tests run under
// umockdev-wrapper): the driver a built-in port is known by, whether the serial core puts its
// controller and port devices between the UART and the tty (Linux 6.5 and later) or not, and
// a USB adapter's ids, product, interface and serial number. --list-ports names the same.
#include "FakeSysfs.h"  // first: before any Qt header

#include "DeviceFacts.h"
#include "SerialPortList.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

TEST(FakeSysfsDeviceFacts, TheDriverAboveTheSerialCoreAsListed)
{
    const struct {
        const char* driver;
        bool serialCore;
        std::string listed;
    } cases[] = {
        {"serial8250", false, "/dev/ttyboard0: serial8250, status live, no settle"},
        {"serial8250", true, "/dev/ttyboard0: serial8250, status live, no settle"},
        {"serial", true, "/dev/ttyboard0: serial, status live, no settle"},  // a PnP port
        {"ch341-uart", false, "/dev/ttyboard0: ch341-uart, USB 1a86:7523 \"USB Serial\", status cached, settle 3000 µs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.driver << (c.serialCore ? " under the serial core" : ""));
        FakeSysfs sysfs;
        if (c.listed.find("USB") != std::string::npos)
            sysfs.usbAdapter("ttyboard0", c.driver, "1-1");
        else
            sysfs.builtInPort("ttyboard0", c.driver, c.serialCore);
        EXPECT_EQ(DeviceFacts::of("/dev/ttyboard0").driver, c.driver);
        const std::vector<DeviceFacts> present = SerialPortList::present();
        ASSERT_EQ(present.size(), 1u);
        EXPECT_EQ(SerialPortList::describe(present[0]), c.listed);
    }
}

TEST(FakeSysfsDeviceFacts, AUsbAdaptersIdsInterfaceAndSerialNumber)
{
    FakeSysfs sysfs;
    sysfs.usbAdapter("ttyboardusb0", "ftdi_sio", "1-2", "A50285BI");
    sysfs.add("tty", "ttyboard1", sysfs.add("platform", "serial8250", "", {}, {}, "serial8250"), {"type", "0"},
              {"DEVNAME", "ttyboard1"});
    const DeviceFacts usb = DeviceFacts::of("/dev/ttyboardusb0");
    EXPECT_EQ(usb.name, "ttyboardusb0");
    EXPECT_EQ(usb.vendorId + ":" + usb.productId + " " + usb.product, "1a86:7523 USB Serial");
    EXPECT_TRUE(usb.hasDevice && usb.uart && !usb.cachedStatus) << usb.driver;
    EXPECT_EQ(usb.settle, 0us);
    EXPECT_TRUE(usb.interfacePath.ends_with("/1-2/1-2:1.0")) << usb.interfacePath;
    EXPECT_EQ(usb.serialNumber, "1a86:7523:A50285BI:00");
    // A built-in port name that the kernel keeps with no UART behind it.
    const DeviceFacts kept = DeviceFacts::of("/dev/ttyboard1");
    EXPECT_EQ(kept.driver, "serial8250");
    EXPECT_FALSE(kept.uart);
    // Gone, or never there: nothing but its name.
    const DeviceFacts gone = DeviceFacts::of("/dev/ttyboard9");
    EXPECT_FALSE(gone.hasDevice);
    EXPECT_EQ(gone.name + gone.driver + gone.vendorId + gone.interfacePath, "ttyboard9");
}

} // namespace
