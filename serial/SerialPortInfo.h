#pragma once

#include <chrono>
#include <string>

// One serial device present on the machine, as --list-ports shows it.
struct SerialPortInfo {
    std::string path;       // /dev/ttyUSB0
    std::string byId;       // its stable name under /dev/serial/by-id, if any
    std::string driver;     // the kernel driver: ch341-uart, ftdi_sio, cdc_acm, …
    std::string vendorId;   // USB vendor and product, four hex digits each; empty if not USB
    std::string productId;
    std::string product;    // the USB product name the adapter gives
    bool cachedStatus = false;
    std::chrono::microseconds settle{0};  // the wait that opening it will put before status reads
};
