#pragma once

#include "DeviceFacts.h"

#include <string>

// A serial device as a person is told of it, in the same words wherever it is shown.
namespace DeviceDescription {

// For a list or a report: path, stable name, driver, USB ids and product, live or cached
// status: `/dev/ttyUSB0 (/dev/serial/by-id/…): ch341-uart, USB 1a86:7523 "USB Serial", status cached`.
std::string line(const DeviceFacts& device);

// For a list to choose from, what the user recognises first: product (or the kind of port),
// driver, path and stable name: `USB Serial (ch341-uart): /dev/ttyUSB0, /dev/serial/by-id/…`.
std::string label(const DeviceFacts& device);

} // namespace DeviceDescription
