#pragma once

#include "LineSettings.h"
#include "MonotonicClock.h"
#include "SerialLines.h"
#include "Syscalls.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

// Opens serial devices for the component: the device itself, behind a settle wait only when
// its driver reports cached status (or a settle is asked for), so that live adapters and
// built-in ports pay nothing.
struct DeviceOpener {
    // Replaces every driver's default settle; zero turns the wait off.
    std::optional<std::chrono::microseconds> settle;
    std::string lockDir = "/run/lock";
    std::string sysfsRoot = "/sys";
    Syscalls* calls = &Syscalls::real();
    MonotonicClock* clock = &MonotonicClock::system();

    // Throws CommError naming `portName` and `device` when the device cannot be opened.
    std::unique_ptr<SerialLines> open(const std::string& portName, const std::string& device,
                                      const LineSettings& settings) const;
};
