#pragma once

#include <chrono>
#include <string_view>

// What the device layer knows of the kernel driver behind a serial device. USB adapters differ
// in how they report the status inputs: most ask the adapter at every read ("live"), but
// ch341-uart (CH340/CH341), pl2303 and cdc_acm (ttyACM) answer from a copy that the adapter's
// interrupt reports refresh ("cached"), so a read right after a line change is stale.
// The driver itself is found in sysfs by DeviceFacts.
namespace AdapterDriver {

bool cachesStatus(std::string_view driver);

// Three USB frames on a cached driver: long enough for the adapter's next status report to
// carry the change. None on any other driver.
std::chrono::microseconds defaultSettle(std::string_view driver);

} // namespace AdapterDriver
