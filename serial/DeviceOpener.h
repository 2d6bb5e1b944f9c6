#pragma once

#include "LineSettings.h"
#include "MonotonicClock.h"
#include "SerialLines.h"
#include "Settle.h"
#include "Syscalls.h"

#include <memory>
#include <string>

// Opens serial devices for the component: the device itself, behind a settle wait only when
// its driver reports cached status (or a settle is asked for), so that live adapters and
// built-in ports pay nothing. The settle is asked at each opening, for the port being opened.
struct DeviceOpener {
    std::string lockDir = "/run/lock";
    std::string sysfsRoot = "/sys";
    Syscalls* calls = &Syscalls::real();
    MonotonicClock* clock = &MonotonicClock::system();

    // Throws CommError naming `portName` and `device` when the device cannot be opened. What
    // `settle` asks for replaces the driver's default; zero turns the wait off.
    std::unique_ptr<SerialLines> open(const std::string& portName, const std::string& device,
                                      const LineSettings& settings, const Settle::Asked& settle = {}) const;
};
