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

// What to tell a user whose COM`commPort` names no device: the devices present and how to use
// one, or that none was found.
std::string hint(const std::vector<SerialPortInfo>& present, int commPort);

} // namespace SerialPortList
