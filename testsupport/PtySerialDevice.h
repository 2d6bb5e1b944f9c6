#pragma once

#include "DeviceOpener.h"
#include "MSComm.h"
#include "PosixSerialPort.h"
#include "PtyModemCalls.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A pseudo-terminal standing for a serial device, with a lock folder of its own and a sysfs tree
// in it: the device layer opens its slave side through `calls`, which gives it modem lines; the
// master side reads what was written. Closing the master (unplug) is pulling the cable: the
// kernel hangs the terminal up. Neither side is inherited by a program started from here.
class PtySerialDevice {
public:
    // Throws std::runtime_error when no pty or folder can be had.
    PtySerialDevice();
    ~PtySerialDevice();
    PtySerialDevice(const PtySerialDevice&) = delete;
    PtySerialDevice& operator=(const PtySerialDevice&) = delete;

    const std::string& device() const { return device_; }
    const std::string& lockDir() const { return lockDir_; }
    // Where the device layer looks up the device's driver: empty until a test fills it.
    std::string sysfsRoot() const { return lockDir_ + "/sys"; }
    // Where the device layer puts its lock file for this device.
    std::string lockFile() const;
    int master() const { return master_; }
    int slave() const { return slave_; }

    // The device opened by the device layer as COM`port`.
    std::unique_ptr<PosixSerialPort> open(const LineSettings& settings = {}, int port = 1);
    // A component set-up whose every port number opens this device.
    MSComm::Setup setup(Trace* trace = nullptr);
    // What opens devices, any path, through this device's kernel calls, lock folder and sysfs.
    DeviceOpener opener();

    // The bytes written to the device: reads until `count` have come (or a second has passed
    // without one), then whatever else follows within a moment.
    std::vector<std::uint8_t> readBytes(std::size_t count);
    // Forgets what was written so far.
    void drain();
    void unplug();
    // Closes the slave side, for a program that opens the device itself.
    void closeSlave();

    // What the lock file of process `pid` holds: the PID right-aligned in ten characters.
    static std::string lockText(long pid);
    static std::string fileText(const std::string& path);
    std::string lockFileText() const { return fileText(lockFile()); }

    PtyModemCalls calls;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string device_;
    std::string lockDir_;
};
