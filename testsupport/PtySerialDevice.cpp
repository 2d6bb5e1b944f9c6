#include "PtySerialDevice.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>

PtySerialDevice::PtySerialDevice()
{
    char name[128];
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty");
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    device_ = name;
    char dir[] = "/tmp/board-locks-XXXXXX";
    if (!mkdtemp(dir))
        throw std::runtime_error("mkdtemp");
    lockDir_ = dir;
}

PtySerialDevice::~PtySerialDevice()
{
    unplug();
    closeSlave();
    std::error_code ignored;
    std::filesystem::remove_all(lockDir_, ignored);
}

std::string PtySerialDevice::lockFile() const
{
    return lockDir_ + "/" + PortLock::fileName(device_);
}

std::unique_ptr<PosixSerialPort> PtySerialDevice::open(const LineSettings& settings, int port)
{
    return std::make_unique<PosixSerialPort>("COM" + std::to_string(port), device_, settings, calls, lockDir_, sysfsRoot());
}

MSComm::Setup PtySerialDevice::setup(Trace* trace)
{
    return MSComm::Setup{[this](int port, const LineSettings& s) { return open(s, port); }, trace};
}

DeviceOpener PtySerialDevice::opener()
{
    DeviceOpener o;
    o.lockDir = lockDir_;
    o.sysfsRoot = sysfsRoot();
    o.calls = &calls;
    return o;
}

std::vector<std::uint8_t> PtySerialDevice::readBytes(std::size_t count)
{
    // The pty passes bytes on in chunks of its own.
    std::vector<std::uint8_t> got;
    pollfd p{master_, POLLIN, 0};
    while (::poll(&p, 1, got.size() < count ? 1000 : 50) == 1 && (p.revents & POLLIN)) {
        unsigned char buffer[4096];
        ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

void PtySerialDevice::drain()
{
    pollfd p{master_, POLLIN, 0};
    unsigned char buffer[256];
    while (::poll(&p, 1, 0) == 1 && (p.revents & POLLIN) && ::read(master_, buffer, sizeof buffer) > 0) {
    }
}

void PtySerialDevice::unplug()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}

void PtySerialDevice::closeSlave()
{
    if (slave_ >= 0)
        ::close(slave_);
    slave_ = -1;
}

std::string PtySerialDevice::lockText(long pid)
{
    char text[16];
    std::snprintf(text, sizeof text, "%10ld\n", pid);
    return text;
}

std::string PtySerialDevice::fileText(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
