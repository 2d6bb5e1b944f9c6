#pragma once

// Before any Qt header, whose `signals` keyword glib's headers take as a name.
#include <umockdev.h>

#include <stdexcept>
#include <string>
#include <vector>

// A sysfs tree of umockdev's, which libudev and every look at /sys in this process see when
// the test runs under umockdev-wrapper (the test's executable links umockdev). Device names
// are the test's own, so that none reads as a real port.
class FakeSysfs {
public:
    FakeSysfs() : testbed_(umockdev_testbed_new())
    {
        if (!umockdev_in_mock_environment())
            throw std::runtime_error("run under umockdev-wrapper");
    }
    ~FakeSysfs() { g_object_unref(testbed_); }
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;

    // Adds a device and gives its sysfs path; `attributes` and `properties` are name, value,
    // name, value …; `driver` links it to a driver of that name.
    std::string add(const char* subsystem, const char* name, const std::string& parent,
                    std::vector<const char*> attributes, std::vector<const char*> properties,
                    const char* driver = nullptr)
    {
        attributes.push_back(nullptr);
        properties.push_back(nullptr);
        gchar* path = umockdev_testbed_add_devicev(testbed_, subsystem, name, parent.empty() ? nullptr : parent.c_str(),
                                                   const_cast<gchar**>(attributes.data()),
                                                   const_cast<gchar**>(properties.data()));
        std::string added = path;
        g_free(path);
        if (driver)
            umockdev_testbed_set_attribute_link(testbed_, added.c_str(), "driver",
                                                (std::string("../../bus/drivers/") + driver).c_str());
        return added;
    }
    // A link in the device's folder: `device` to "..", as a tty has to the port it belongs to.
    void link(const std::string& path, const char* name, const char* target)
    {
        umockdev_testbed_set_attribute_link(testbed_, path.c_str(), name, target);
    }
    // A built-in UART run by `driver` behind the tty `name`. `serialCore`: as since Linux 6.5,
    // with the serial core's controller and port devices (bus serial-base, drivers "ctrl" and
    // "port") between the UART and its tty; before, the tty hangs on the UART itself.
    std::string builtInPort(const char* name, const char* driver, bool serialCore)
    {
        std::string parent = add("platform", driver, "", {}, {}, driver);
        if (serialCore) {
            parent = add("serial-base", (std::string(driver) + ":0").c_str(), parent, {}, {}, "ctrl");
            parent = add("serial-base", (std::string(driver) + ":0.0").c_str(), parent, {}, {}, "port");
        }
        return add("tty", name, parent, {"type", "4"}, {"DEVNAME", name});
    }
    // A USB adapter (1a86:7523 "USB Serial", with `serial` if any) at `usbPort` run by `driver`:
    // the USB device, its interface 00, the adapter's port and the tty `name`.
    std::string usbAdapter(const char* name, const char* driver, const std::string& usbPort, const char* serial = "")
    {
        const std::string usb = add("usb", usbPort.c_str(), "",
                                    {"idVendor", "1a86", "idProduct", "7523", "product", "USB Serial", "serial", serial},
                                    {"DEVTYPE", "usb_device"});
        const std::string interface =
            add("usb", (usbPort + ":1.0").c_str(), usb, {"bInterfaceNumber", "00"}, {"DEVTYPE", "usb_interface"});
        return add("tty", name, add("usb-serial", name, interface, {}, {}, driver), {}, {"DEVNAME", name});
    }
    // What udev announces: "add", "remove".
    void announce(const std::string& path, const char* action) { umockdev_testbed_uevent(testbed_, path.c_str(), action); }
    void remove(const std::string& path) { umockdev_testbed_remove_device(testbed_, path.c_str()); }

private:
    UMockdevTestbed* testbed_;
};
