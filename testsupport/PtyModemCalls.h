#pragma once

#include "Syscalls.h"

class SerialLines;
#include <map>
#include <string>
#include <sys/ioctl.h>

// Kernel calls on a pseudo-terminal made to look like a serial port: the modem-control
// ioctls are answered from a set of emulated line bits, everything else reaches the pty.
// Every call is counted by name; opening can be made to fail.
class PtyModemCalls : public Syscalls {
public:
    int modemBits = TIOCM_DTR | TIOCM_RTS;  // as a port's lines stand before it opens
    bool emulateModem = true;
    // The emulated line's speed: as the serial drivers do, leaving B0 raises DTR and RTS and
    // going to B0 drops them.
    speed_t lineSpeed = B9600;
    int openErrno = 0;       // nonzero: open fails with it
    // Device nodes that stand for a pty (its slave's path), for a name the test has no node for.
    std::map<std::string, std::string> nodes;
    // Nonzero: kill and unlink (of lock files) fail with it, as for another user's process or
    // another user's file in a sticky directory (EPERM).
    int killErrno = 0;
    int unlinkErrno = 0;
    // The emulated modem ioctls fail as the kernel fails a hung-up terminal (the pty's master
    // closed: the cable pulled), with EIO, instead of answering from the emulated bits.
    bool followHangup = false;
    // The descriptor keeps O_NONBLOCK after opening, so that a full output buffer gives EAGAIN.
    bool keepNonBlocking = false;
    // Not null: the cable ends at these lines (the virtual board's port, or a model of an adapter
    // in front of it), which see DTR, RTS and break change and give CD, CTS and DSR; they must
    // outlive the calls. PtyOnBoard wires them.
    SerialLines* farEnd = nullptr;
    std::map<std::string, int> calls;
    termios lastSet{};  // what the last tcsetattr asked for (a pty itself keeps only CS8, no parity)

    int total() const;
    void reset() { calls.clear(); }

    int open(const char* path, int flags) override;
    int close(int fd) override;
    int ioctl(int fd, unsigned long request, void* argument) override;
    ssize_t write(int fd, const void* data, size_t size) override;
    int tcgetattr(int fd, termios* t) override;
    int tcsetattr(int fd, int when, const termios* t) override;
    int fcntl(int fd, int command, int argument) override;
    int flock(int fd, int operation) override;
    int kill(pid_t pid, int signal) override;
    int unlink(const char* path) override;
};
