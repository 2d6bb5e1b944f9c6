#include "PtyModemCalls.h"

#include "SerialLines.h"

#include <cerrno>
#include <fcntl.h>

int PtyModemCalls::total() const
{
    int n = 0;
    for (auto& [name, count] : calls)
        n += count;
    return n;
}

int PtyModemCalls::open(const char* path, int flags)
{
    ++calls["open"];
    if (openErrno) {
        errno = openErrno;
        return -1;
    }
    if (auto node = nodes.find(path); node != nodes.end())
        return Syscalls::open(node->second.c_str(), flags);
    return Syscalls::open(path, flags);
}

int PtyModemCalls::close(int fd)
{
    ++calls["close"];
    return Syscalls::close(fd);
}

int PtyModemCalls::ioctl(int fd, unsigned long request, void* argument)
{
    const char* name = request == TIOCMGET   ? "TIOCMGET"
                       : request == TIOCMBIS ? "TIOCMBIS"
                       : request == TIOCMBIC ? "TIOCMBIC"
                       : request == TIOCSBRK ? "TIOCSBRK"
                       : request == TIOCCBRK ? "TIOCCBRK"
                       : request == TIOCEXCL ? "TIOCEXCL"
                                             : "ioctl";
    ++calls[name];
    if (farEnd && (request == TIOCSBRK || request == TIOCCBRK))
        farEnd->setBreak(request == TIOCSBRK);
    bool modem = request == TIOCMGET || request == TIOCMBIS || request == TIOCMBIC;
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
    if (request == TIOCMGET) {
        if (farEnd)
            modemBits = (modemBits & (TIOCM_DTR | TIOCM_RTS)) | (farEnd->cd() ? TIOCM_CD : 0) |
                        (farEnd->cts() ? TIOCM_CTS : 0) | (farEnd->dsr() ? TIOCM_DSR : 0);
        *bits = modemBits;
        return 0;
    }
    if (request == TIOCMBIS)
        modemBits |= *bits;
    else
        modemBits &= ~*bits;
    if (farEnd) {
        farEnd->setDtr(modemBits & TIOCM_DTR);
        farEnd->setRts(modemBits & TIOCM_RTS);
    }
    return 0;
}

ssize_t PtyModemCalls::write(int fd, const void* data, size_t size)
{
    ++calls["write"];
    return Syscalls::write(fd, data, size);
}

int PtyModemCalls::tcgetattr(int fd, termios* t)
{
    ++calls["tcgetattr"];
    return Syscalls::tcgetattr(fd, t);
}

int PtyModemCalls::tcsetattr(int fd, int when, const termios* t)
{
    ++calls["tcsetattr"];
    lastSet = *t;
    if (emulateModem) {
        speed_t next = cfgetospeed(t);
        if (next == B0 && lineSpeed != B0)
            modemBits &= ~(TIOCM_DTR | TIOCM_RTS);
        else if (next != B0 && lineSpeed == B0)
            modemBits |= TIOCM_DTR | TIOCM_RTS;
        lineSpeed = next;
    }
    return Syscalls::tcsetattr(fd, when, t);
}

int PtyModemCalls::fcntl(int fd, int command, int argument)
{
    ++calls["fcntl"];
    if (keepNonBlocking && command == F_SETFL)
        argument |= O_NONBLOCK;
    return Syscalls::fcntl(fd, command, argument);
}

int PtyModemCalls::flock(int fd, int operation)
{
    ++calls["flock"];
    return Syscalls::flock(fd, operation);
}

int PtyModemCalls::kill(pid_t pid, int signal)
{
    ++calls["kill"];
    if (killErrno) {
        errno = killErrno;
        return -1;
    }
    return Syscalls::kill(pid, signal);
}

int PtyModemCalls::unlink(const char* path)
{
    ++calls["unlink"];
    if (unlinkErrno) {
        errno = unlinkErrno;
        return -1;
    }
    return Syscalls::unlink(path);
}
