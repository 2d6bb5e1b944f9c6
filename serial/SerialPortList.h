#pragma once

#include "SerialPortInfo.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The serial devices present, found through libudev without opening any of them. A library of
// its own: nothing on the line path links it.
namespace SerialPortList {

// Every tty with a device behind it, sorted by path, but built-in port names with no UART.
// `settle` replaces every driver's default in the settle shown.
std::vector<SerialPortInfo> present(std::optional<std::chrono::microseconds> settle = {});

// One line: path, by-id name, driver, USB ids and product, live or cached status with its settle.
std::string describe(const SerialPortInfo& port);

// A built-in port name that the kernel keeps with no UART behind it (its sysfs type is 0), as
// /dev/ttyS0 … /dev/ttyS3 on most laptops: opening it fails as a missing device does, or with a
// permission denied that no group would mend.
bool withoutUart(const std::string& device, const std::string& sysfsRoot = "/sys");

// What to tell a user whose COM`commPort` names no device: the devices present and how to use
// one, or that none was found.
std::string hint(const std::vector<SerialPortInfo>& present, int commPort);

} // namespace SerialPortList
