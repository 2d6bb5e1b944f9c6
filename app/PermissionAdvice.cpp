#include "PermissionAdvice.h"

#include <QCoreApplication>
#include <QString>

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

// A piece of advice in the user's language or in English, its placeholders filled at once (a
// path may hold a '%').
template <class... Values>
QString words(In in, const char* source, const Values&... values)
{
    const QString text = in == In::English ? QString::fromUtf8(source) : QCoreApplication::translate("PermissionAdvice", source);
    return text.arg(values...);
}

template <class... Values>
std::string text(In in, const char* source, const Values&... values)
{
    return words(in, source, values...).toStdString();
}

// The advice to join the dialout group, which completes each of the sentences below.
QString dialoutAdvice(const std::string& user, In in)
{
    //: Completes the other advice's sentences after "To use serial devices," / "Or" / ":"; %1 is the user.
    return words(in, QT_TRANSLATE_NOOP("PermissionAdvice", "join the dialout group: run \"sudo adduser %1 dialout\" (or ask "
                                                          "whoever looks after this computer to), then log out and log in again"),
                QString::fromStdString(user));
}

} // namespace

std::vector<std::string> ruleFolders()
{
    return {"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d",
            BOARD_SUITE_INSTALL_PREFIX "/lib/udev/rules.d"};
}

std::string forDevice(const DeviceFacts& device, const std::string& user, const std::vector<std::string>& folders, In in)
{
    const QString group = dialoutAdvice(user, in);
    fs::path rule;
    for (const std::string& folder : folders)
        if (std::error_code error; fs::is_regular_file(fs::path(folder) / BOARD_SUITE_UDEV_RULE, error)) {
            rule = fs::path(folder) / BOARD_SUITE_UDEV_RULE;
            break;
        }
    //: %1 is the advice to join the dialout group.
    if (rule.empty())
        return text(in, QT_TRANSLATE_NOOP("PermissionAdvice",
                                      "To use serial devices, %1; or install the boardsuite package, whose rule lets "
                                      "whoever sits at the computer use the USB serial adapters it knows, from their "
                                      "next plug-in."),
                    group);

    const QString where = QString::fromStdString(rule.string());
    const std::string ids = device.vendorId.empty() ? std::string() : device.vendorId + ":" + device.productId;
    const std::vector<std::string> known = adaptersOf(rule);
    //: %1 is the rule's file, %2 the adapter's USB vendor:product, %3 the advice to join the dialout group.
    if (!ids.empty() && std::find(known.begin(), known.end(), ids) != known.end())
        return text(in, QT_TRANSLATE_NOOP("PermissionAdvice",
                                      "The suite's rule %1 knows this adapter (USB %2) but has not given it to you: "
                                      "unplug it and plug it in again (the rule applies when an adapter is plugged "
                                      "in), and use it from a session at this computer, not a remote one. Or %3."),
                    where, QString::fromStdString(ids), group);
    //: %1 is the rule's file, %2 the advice to join the dialout group.
    if (ids.empty())
        return text(in, QT_TRANSLATE_NOOP("PermissionAdvice", "The suite's rule %1 is installed but does not cover this "
                                                          "device (it is no USB adapter): %2."),
                    where, group);
    //: %1 is the rule's file, %2 the adapter's USB vendor:product, %3 the advice to join the dialout group.
    return text(in, QT_TRANSLATE_NOOP("PermissionAdvice", "The suite's rule %1 is installed but does not cover this device "
                                                      "(USB %2 is not one of the adapters it knows): %3."),
                where, QString::fromStdString(ids), group);
}

} // namespace PermissionAdvice
