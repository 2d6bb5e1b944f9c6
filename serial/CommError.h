#pragma once

#include <stdexcept>
#include <string>

// An error raised out of a property put of the serial-port component.
class CommError : public std::runtime_error {
public:
    enum class Kind { NoSuchDevice, HeldByAnother, PermissionDenied, NotSerialPort, InvalidValue, AlreadyOpen, DeviceFailed };

    CommError(Kind kind, const std::string& message, long holderPid = 0)
        : std::runtime_error(message), kind_(kind), holderPid_(holderPid) {}

    Kind kind() const { return kind_; }
    // The process named by the lock file of a port held by another program; 0 when unknown.
    long holderPid() const { return holderPid_; }

private:
    Kind kind_;
    long holderPid_;
};
