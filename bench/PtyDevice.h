#pragma once

#include "MSComm.h"
#include "PosixSerialPort.h"
#include "Syscalls.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <pty.h>
#include <string>
#include <unistd.h>

// A pseudo-terminal opened as a program's serial device, with a lock folder of its own.
class PtyDevice {
public:
    PtyDevice()
    {
        char name[128];
        char dir[] = "/tmp/bench-pty-XXXXXX";
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0 || !mkdtemp(dir)) {
            std::perror("bench: pseudo-terminal");
            std::exit(1);
        }
        device_ = name;
        lockDir_ = dir;
    }
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;
    ~PtyDevice()
    {
        ::close(master_);
        ::close(slave_);
        std::filesystem::remove_all(lockDir_);
    }

    // Every COM port of a program opens this device, through `calls`.
    MSComm::Setup setup(Syscalls& calls, Trace* trace = nullptr)
    {
        return MSComm::Setup{[this, &calls](int port, const LineSettings& s) {
                                 return std::make_unique<PosixSerialPort>("COM" + std::to_string(port), device_, s,
                                                                          calls, lockDir_);
                             },
                             trace};
    }

    // Reads away what the program wrote, so that its writes never block.
    void drain()
    {
        pollfd p{master_, POLLIN, 0};
        unsigned char buffer[256];
        while (::poll(&p, 1, 0) == 1 && (p.revents & POLLIN) && ::read(master_, buffer, sizeof buffer) > 0) {
        }
    }

private:
    int master_ = -1, slave_ = -1;
    std::string device_, lockDir_;
};
