#pragma once

#include "CommError.h"
#include "DeviceIdentity.h"
#include "DeviceOpener.h"
#include "Settle.h"

#include <QCoreApplication>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

// Opens the real device behind a COM port, and keeps what the device was as it opened, to
// know it again by when it is lost. A device that is missing or refuses the user is explained:
// the devices present, or how to get the permission.
class DeviceOpening {
    Q_DECLARE_TR_FUNCTIONS(DeviceOpening)

public:
    // `listSettle`: the settle the devices present are listed with in an explanation (--settle).
    DeviceOpening(DeviceOpener devices, std::optional<std::chrono::microseconds> listSettle)
        : devices_(std::move(devices)), listSettle_(listSettle)
    {
    }

    // Throws CommError, with its explanation, when `device` cannot be opened as COM`commPort`.
    std::unique_ptr<SerialLines> open(int commPort, const std::string& device, const LineSettings& settings,
                                      const Settle::Asked& settle);
    // The device behind COM`commPort` as it was when last opened; none before.
    std::optional<DeviceIdentity> identity(int commPort) const;
    const DeviceOpener& opener() const { return devices_; }

private:
    // Why `failure` of `device` is worth telling the user about, and what to do; rethrows what is not.
    [[noreturn]] void explain(int commPort, const std::string& device, const CommError& failure) const;

    DeviceOpener devices_;
    std::optional<std::chrono::microseconds> listSettle_;
    std::map<int, DeviceIdentity> identities_;  // of the devices opened, by COM port
};
