#pragma once

#include <string>

// What makes a serial device the same one when it comes back after it was unplugged. A stable
// name (a symlink: /dev/serial/by-id/…, by-path, or one of the user's own) is the device
// itself. A kernel name such as ttyUSB0 may come back as another (ttyUSB1, while a process
// still held the old one): there the USB interface it hangs on (its sysfs path) tells, or the
// adapter's serial number, which only some adapters have (cheap ones without it share one
// by-id name).
struct DeviceIdentity {
    std::string path;           // as opened
    bool stableName = false;    // the path is a symlink
    std::string interfacePath;  // the sysfs directory of its USB interface; empty if not USB
    std::string serialNumber;   // vendor:product:serial:interface, when the adapter has a serial

    // From the device's facts in sysfs (DeviceFacts). Works while the device is present;
    // nothing but the path otherwise.
    static DeviceIdentity of(const std::string& device, const std::string& sysfsRoot = "/sys");

    // Whether `present`, a device there now, is this one. With nothing known but the paths,
    // the same path is the same device.
    bool isSame(const DeviceIdentity& present) const;
};
