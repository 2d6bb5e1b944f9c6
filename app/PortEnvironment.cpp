#include "PortEnvironment.h"

#include "VirtualPort.h"

PortEnvironment::PortEnvironment(ProgramOptions options, PortAssignments ports, BoardBuilder buildBoard,
                                 Trace::Clock::time_point epoch, DeviceOpener devices, PortAssignments::Warning warn)
    : options_(std::move(options)), recording_(options_.trace, options_.vcd, epoch), board_(std::move(buildBoard)),
      ports_(std::move(ports), std::move(warn)), devices_(std::move(devices), options_.settle)
{
    if (ports_.assignments().anyVirtual())
        board_.made();
}

MSComm::Setup PortEnvironment::setup()
{
    auto open = [this](int port, const LineSettings& settings) {
        return ports_.open(port, [this, port, &settings] { return openNow(port, settings, settleAsked(port)); });
    };
    return MSComm::Setup{open, recording_.trace()};
}

DeviceIdentity PortEnvironment::identity(int commPort) const
{
    if (auto known = devices_.identity(commPort))
        return *known;
    DeviceIdentity unknown;
    unknown.path = ports().device(commPort).toStdString();
    return unknown;
}

Settle::Asked PortEnvironment::settleAsked(int commPort) const
{
    if (commPort < 1 || commPort > PortAssignments::Ports)
        return {options_.settle, {}};
    return {options_.settle, ports().settle(commPort)};
}

std::unique_ptr<SerialLines> PortEnvironment::openUnsettled(int commPort, const LineSettings& settings)
{
    return openNow(commPort, settings, {std::chrono::microseconds::zero(), {}});
}

std::unique_ptr<SerialLines> PortEnvironment::openNow(int commPort, const LineSettings& settings, const Settle::Asked& settle)
{
    const QString device = ports().device(commPort);
    if (device == QLatin1String(PortAssignments::Virtual))
        return std::make_unique<VirtualPort>(board_.made(), settings);
    return recording_.dumped(devices_.open(commPort, device.toStdString(), settings, settle));
}
