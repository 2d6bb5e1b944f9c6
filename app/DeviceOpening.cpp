#include "DeviceOpening.h"

#include "CommError.h"
#include "DeviceFacts.h"
#include "PermissionAdvice.h"
#include "SerialPortList.h"

#include <pwd.h>
#include <unistd.h>

namespace {

std::string userName()
{
    const passwd* user = ::getpwuid(::getuid());
    return user ? user->pw_name : "$USER";
}

} // namespace

std::unique_ptr<SerialLines> DeviceOpening::open(int commPort, const std::string& device, const LineSettings& settings,
                                                 const Settle::Asked& settle)
{
    std::unique_ptr<SerialLines> port;
    try {
        port = devices_.open("COM" + std::to_string(commPort), device, settings, settle);
    } catch (const CommError& e) {
        explain(commPort, device, e);
    }
    // Now, while sysfs still has it: when it is pulled, only the identity is left.
    identities_[commPort] = DeviceIdentity::of(device, devices_.sysfsRoot);
    return port;
}

// The explanation goes after the failure twice: in English for the trace, and in the user's
// language for the boxes and messages.
void DeviceOpening::explain(int commPort, const std::string& path, const CommError& e) const
{
    std::string message = e.what(), shown = e.shown();
    if (e.kind() == CommError::Kind::PermissionDenied) {
        // A built-in port name with no UART behind it refuses a user outside the dialout
        // group before it could say that it is missing.
        if (const DeviceFacts facts = DeviceFacts::of(path, devices_.sysfsRoot); facts.uart) {
            const std::string user = userName();
            throw CommError(e.kind(),
                            message + "\n" + PermissionAdvice::forDevice(facts, user, PermissionAdvice::ruleFolders(),
                                                                         PermissionAdvice::In::English),
                            shown + "\n" + PermissionAdvice::forDevice(facts, user));
        }
        const char* noSerialPort = QT_TR_NOOP("COM%1 (%2): no serial port behind this name");
        message = QString::fromUtf8(noSerialPort).arg(commPort).arg(QString::fromStdString(path)).toStdString();
        shown = tr(noSerialPort).arg(commPort).arg(QString::fromStdString(path)).toStdString();
    } else if (e.kind() != CommError::Kind::NoSuchDevice) {
        throw e;
    }
    // The default names a built-in port that a machine with only a USB adapter lacks.
    const std::string hint = SerialPortList::hint(SerialPortList::present(listSettle_), commPort);
    throw CommError(CommError::Kind::NoSuchDevice, message + "\n" + hint, shown + "\n" + hint);
}

std::optional<DeviceIdentity> DeviceOpening::identity(int commPort) const
{
    auto known = identities_.find(commPort);
    if (known == identities_.end())
        return std::nullopt;
    return known->second;
}
