#pragma once

#include "Syscalls.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/ioctl.h>

// Kernel calls on a pseudo-terminal made to look like a serial port: the modem-control
// ioctls are answered from a set of emulated line bits, everything else reaches the pty.
// Every call is counted by name, and calls can be made to fail.
class PtyModemCalls : public Syscalls {
public:
    int modemBits = TIOCM_DTR | TIOCM_RTS;  // as a port's lines stand before it opens
    bool emulateModem = true;
    int openErrno = 0;       // nonzero: open fails with it
    int failAfter = -1;      // >=0: modem ioctls and writes fail with EIO after so many succeed
    // The emulated modem ioctls fail as the kernel fails a hung-up terminal (the pty's master
    // closed: the cable pulled), with EIO, instead of answering from the emulated bits.
    bool followHangup = false;
    // The descriptor keeps O_NONBLOCK after opening, so that a full output buffer gives EAGAIN.
    bool keepNonBlocking = false;
    std::map<std::string, int> calls;
    termios lastSet{};  // what the last tcsetattr asked for (a pty itself keeps only CS8, no parity)

    int total() const
    {
        int n = 0;
        for (auto& [name, count] : calls)
            n += count;
        return n;
    }
    void reset() { calls.clear(); }

    int open(const char* path, int flags) override
    {
        ++calls["open"];
        if (openErrno) {
            errno = openErrno;
            return -1;
        }
        return Syscalls::open(path, flags);
    }
    int close(int fd) override
    {
        ++calls["close"];
        return Syscalls::close(fd);
    }
    int ioctl(int fd, unsigned long request, void* argument) override
    {
        const char* name = request == TIOCMGET   ? "TIOCMGET"
                           : request == TIOCMBIS ? "TIOCMBIS"
                           : request == TIOCMBIC ? "TIOCMBIC"
                           : request == TIOCSBRK ? "TIOCSBRK"
                           : request == TIOCCBRK ? "TIOCCBRK"
                           : request == TIOCEXCL ? "TIOCEXCL"
                                                 : "ioctl";
        ++calls[name];
        bool modem = request == TIOCMGET || request == TIOCMBIS || request == TIOCMBIC;
        if ((modem || request == TIOCSBRK || request == TIOCCBRK) && failing())
            return -1;
        if (!modem || !emulateModem)
            return Syscalls::ioctl(fd, request, argument);
        if (followHangup) {
            // A pty has no modem lines of its own: the kernel refuses TIOCMGET, with EIO once
            // the terminal is hung up.
            int real = 0;
            if (Syscalls::ioctl(fd, TIOCMGET, &real) != 0 && errno == EIO)
                return -1;
        }
        int* bits = static_cast<int*>(argument);
        if (request == TIOCMGET)
            *bits = modemBits;
        else if (request == TIOCMBIS)
            modemBits |= *bits;
        else
            modemBits &= ~*bits;
        return 0;
    }
    ssize_t write(int fd, const void* data, size_t size) override
    {
        ++calls["write"];
        if (failing())
            return -1;
        return Syscalls::write(fd, data, size);
    }
    int tcgetattr(int fd, termios* t) override
    {
        ++calls["tcgetattr"];
        return Syscalls::tcgetattr(fd, t);
    }
    int tcsetattr(int fd, int when, const termios* t) override
    {
        ++calls["tcsetattr"];
        lastSet = *t;
        return Syscalls::tcsetattr(fd, when, t);
    }
    int fcntl(int fd, int command, int argument) override
    {
        ++calls["fcntl"];
        if (keepNonBlocking && command == F_SETFL)
            argument |= O_NONBLOCK;
        return Syscalls::fcntl(fd, command, argument);
    }

private:
    bool failing()
    {
        if (failAfter < 0)
            return false;
        if (failAfter == 0) {
            errno = EIO;
            return true;
        }
        --failAfter;
        return false;
    }
};
