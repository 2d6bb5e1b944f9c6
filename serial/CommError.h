#pragma once

#include <stdexcept>
#include <string>
#include <utility>

// An error raised out of a property put of the serial-port component.
class CommError : public std::runtime_error {
public:
    enum class Kind { NoSuchDevice, HeldByAnother, PermissionDenied, NotSerialPort, InvalidValue, AlreadyOpen, DeviceFailed };

    CommError(Kind kind, const std::string& message, long holderPid = 0)
        : std::runtime_error(message), kind_(kind), holderPid_(holderPid) {}
    // With the words for a person too, in their language: what() stays the English that the
    // trace keeps, whatever the language.
    CommError(Kind kind, const std::string& message, std::string shown)
        : std::runtime_error(message), kind_(kind), holderPid_(0), shown_(std::move(shown)) {}

    Kind kind() const { return kind_; }
    // The process named by the lock file of a port held by another program; 0 when unknown.
    long holderPid() const { return holderPid_; }
    // The message for a person: in their language where whoever raised it gave one.
    std::string shown() const { return shown_.empty() ? what() : shown_; }

private:
    Kind kind_;
    long holderPid_;
    std::string shown_;
};
