#include "PermissionAdvice.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <system_error>

namespace fs = std::filesystem;

namespace PermissionAdvice {

namespace {

// The rule's vendor:product pairs ("0403:6001"), from its lines that match on both.
std::vector<std::string> adaptersOf(const fs::path& rule)
{
    static const std::regex pair(R"re(ATTRS\{idVendor\}=="([0-9a-fA-F]{4})".*ATTRS\{idProduct\}=="([0-9a-fA-F]{4})")re");
    std::vector<std::string> ids;
    std::ifstream in(rule);
    std::smatch m;
    for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, m, pair))
            ids.push_back(m[1].str() + ":" + m[2].str());
    return ids;
}

} // namespace

std::vector<std::string> ruleFolders()
{
    return {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d",
            BOARD_SUITE_INSTALL_PREFIX "/lib/udev/rules.d"};
}

std::string forDevice(const DeviceFacts& device, const std::string& user, const std::vector<std::string>& folders)
{
    const std::string group = "join the dialout group: run \"sudo adduser " + user +
                              " dialout\" (or ask whoever looks after this computer to), then log out and log in again";
    fs::path rule;
    for (const std::string& folder : folders)
        if (std::error_code error; fs::is_regular_file(fs::path(folder) / BOARD_SUITE_UDEV_RULE, error)) {
            rule = fs::path(folder) / BOARD_SUITE_UDEV_RULE;
            break;
        }
    if (rule.empty())
        return "To use serial devices, " + group +
               "; or install the boardsuite package, whose rule lets whoever sits at the computer use the USB serial "
               "adapters it knows, from their next plug-in.";

    const std::string ids = device.vendorId.empty() ? std::string() : device.vendorId + ":" + device.productId;
    const std::vector<std::string> known = adaptersOf(rule);
    if (!ids.empty() && std::find(known.begin(), known.end(), ids) != known.end())
        return "The suite's rule " + rule.string() + " knows this adapter (USB " + ids +
               ") but has not given it to you: unplug it and plug it in again (the rule applies when an adapter is "
               "plugged in), and use it from a session at this computer, not a remote one. Or " + group + ".";
    return "The suite's rule " + rule.string() + " is installed but does not cover this device (" +
           (ids.empty() ? std::string("it is no USB adapter") : "USB " + ids + " is not one of the adapters it knows") +
           "): " + group + ".";
}

} // namespace PermissionAdvice
