#pragma once

#include "DeviceFacts.h"

#include <string>
#include <vector>

// What a user who may not open a serial device can do about it, in words a student can follow:
// join the dialout group, or install the suite's package, whose udev rule gives whoever sits at
// the computer the USB serial adapters it knows; and when that rule is installed but has not
// given this device, why.
namespace PermissionAdvice {

// The folders udev reads its rules from, and the suite's own install prefix.
std::vector<std::string> ruleFolders();

// The user's language, or English: a message the trace keeps is English in every language.
enum class In { UsersLanguage, English };

// The advice for `device`, told by its USB ids; `folders` are searched for the suite's rule.
// `user` is named in the command to run.
std::string forDevice(const DeviceFacts& device, const std::string& user,
                      const std::vector<std::string>& folders = ruleFolders(), In in = In::UsersLanguage);

} // namespace PermissionAdvice
