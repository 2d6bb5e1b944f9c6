#include "DeviceIdentity.h"

#include "DeviceFacts.h"

#include <filesystem>
#include <system_error>

DeviceIdentity DeviceIdentity::of(const std::string& device, const std::string& sysfsRoot)
{
    DeviceIdentity identity;
    identity.path = device;
    std::error_code error;
    identity.stableName = std::filesystem::is_symlink(device, error);  // a device not there is no link
    const DeviceFacts facts = DeviceFacts::of(device, sysfsRoot);
    identity.interfacePath = facts.interfacePath;
    identity.serialNumber = facts.serialNumber;
    return identity;
}

bool DeviceIdentity::isSame(const DeviceIdentity& present) const
{
    if (stableName)
        return present.path == path;
    if (!interfacePath.empty() && present.interfacePath == interfacePath)
        return true;
    if (!serialNumber.empty() && present.serialNumber == serialNumber)
        return true;
    // Nothing to tell two devices apart by, on either side: the name decides.
    const bool unknown = interfacePath.empty() && serialNumber.empty();
    const bool presentUnknown = present.interfacePath.empty() && present.serialNumber.empty();
    return (unknown || presentUnknown) && present.path == path;
}
