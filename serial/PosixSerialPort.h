#pragma once

#include "LineSettings.h"
#include "PortLock.h"
#include "SerialLines.h"
#include "Syscalls.h"

#include <string>

// A real serial device. A line put that changes the line is one kernel call and one that
// leaves it as it is makes none: the levels are read once at opening, after the line settings
// are applied, and kept. A status read is one call. Bytes go out through write() in raw mode
// at the settings given. While open, the device is held three ways: the lock file, the
// kernel's exclusive mode and flock(), which terminal programs use.
class PosixSerialPort : public SerialLines {
public:
    // Throws CommError naming `portName` and `device` when the device cannot be opened.
    PosixSerialPort(std::string portName, std::string device, const LineSettings& settings,
                    Syscalls& calls = Syscalls::real(), const std::string& lockDir = "/run/lock",
                    const std::string& sysfsRoot = "/sys");
    ~PosixSerialPort() override;

    void setDtr(bool asserted) override;
    void setRts(bool asserted) override;
    void setBreak(bool on) override;
    bool cd() override;
    bool cts() override;
    bool dsr() override;
    void write(std::uint8_t byte) override;
    int hangupFd() const override { return fd_; }

    // The kernel driver behind the device, learnt at opening; empty when sysfs names none.
    const std::string& driver() const { return driver_; }

private:
    [[noreturn]] void fail(const char* what, int error) const;
    [[noreturn]] void refuse(int error);
    void configure(const LineSettings& settings);
    void setModemBit(int bit, bool on, bool& level);
    int modemBits();

    std::string portName_;
    std::string device_;
    std::string driver_;
    Syscalls& calls_;
    PortLock lock_;
    int fd_ = -1;
    bool dtr_ = false;
    bool rts_ = false;
    bool break_ = false;
};
