#pragma once

#include <sys/types.h>
#include <termios.h>

// The kernel calls a serial device is driven with, and those of its lock file that another
// user's process can make fail. Tests and the benchmark count or script them through a
// subclass; everything else uses real().
class Syscalls {
public:
    virtual ~Syscalls() = default;
    virtual int open(const char* path, int flags);
    virtual int close(int fd);
    virtual int ioctl(int fd, unsigned long request, void* argument);
    virtual ssize_t write(int fd, const void* data, size_t size);
    virtual int tcgetattr(int fd, termios* attributes);
    virtual int tcsetattr(int fd, int when, const termios* attributes);
    virtual int fcntl(int fd, int command, int argument);
    virtual int flock(int fd, int operation);
    virtual int kill(pid_t pid, int signal);
    virtual int unlink(const char* path);

    static Syscalls& real();
};
