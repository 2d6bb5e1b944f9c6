#include "DeviceOpener.h"

#include "PosixSerialPort.h"
#include "SettledLines.h"

std::unique_ptr<SerialLines> DeviceOpener::open(const std::string& portName, const std::string& device,
                                                const LineSettings& settings, const Settle::Asked& settle) const
{
    auto port = std::make_unique<PosixSerialPort>(portName, device, settings, *calls, lockDir, sysfsRoot);
    const auto wait = Settle::resolve(settle, port->driver()).wait;
    if (wait <= std::chrono::microseconds::zero())
        return port;
    return std::make_unique<SettledLines>(std::move(port), wait, *clock);
}
