#pragma once

#include "DeviceFacts.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The serial devices present, found through libudev without opening any of them. A library of
// its own: nothing on the line path links it.
namespace SerialPortList {

// Every tty with a device behind it, sorted by path, but built-in port names with no UART.
// `settle` replaces every driver's default in the settle shown.
std::vector<DeviceFacts> present(std::optional<std::chrono::microseconds> settle = {});

// One line, as --list-ports prints it: the device's description, then its settle.
std::string describe(const DeviceFacts& port);

// What to tell a user whose COM`commPort` names no device: the devices present and how to use
// one, or that none was found.
std::string hint(const std::vector<DeviceFacts>& present, int commPort);

} // namespace SerialPortList
