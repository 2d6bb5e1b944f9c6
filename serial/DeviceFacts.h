#pragma once

#include <chrono>
#include <string>

// What sysfs tells of a serial device, read without opening it: its kernel name, the driver the
// user knows it by, its stable name, the USB adapter behind it and how its status reads behave.
struct DeviceFacts {
    std::string path;       // as given: /dev/ttyUSB0, or a link to it
    std::string byId;       // its stable name under /dev/serial/by-id, if any
    std::string driver;     // the kernel driver: ch341-uart, ftdi_sio, serial8250, …; empty if none
    std::string vendorId;   // USB vendor and product, four hex digits each; empty if not USB
    std::string productId;
    std::string product;    // the USB product name the adapter gives
    bool cachedStatus = false;
    // The wait opening it puts before status reads: the driver's default (in a list made with
    // --settle, that one).
    std::chrono::microseconds settle{0};
    std::string name{};         // the tty's sysfs name, symlinks followed: ttyUSB0
    bool hasDevice = false;     // a device stands behind the tty (none behind a console or a pty)
    bool uart = true;           // false: a built-in port name that the kernel keeps with no UART
    std::string interfacePath{};  // the sysfs directory of its USB interface; empty if not USB
    std::string serialNumber{};   // vendor:product:serial:interface, when the adapter has a serial

    // Looked up in <sysfsRoot>/class/tty/<name>, where <name> is the last part of `device` or of
    // the path it links to, and its stable name among the links in `byIdDir`. Works while the
    // device is present; nothing but the path and name otherwise.
    static DeviceFacts of(const std::string& device, const std::string& sysfsRoot = "/sys",
                          const std::string& byIdDir = "/dev/serial/by-id");
};
