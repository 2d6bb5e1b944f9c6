#include "Syscalls.h"

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

int Syscalls::open(const char* path, int flags) { return ::open(path, flags); }
int Syscalls::close(int fd) { return ::close(fd); }
int Syscalls::ioctl(int fd, unsigned long request, void* argument) { return ::ioctl(fd, request, argument); }
ssize_t Syscalls::write(int fd, const void* data, size_t size) { return ::write(fd, data, size); }
int Syscalls::tcgetattr(int fd, termios* attributes) { return ::tcgetattr(fd, attributes); }
int Syscalls::tcsetattr(int fd, int when, const termios* attributes) { return ::tcsetattr(fd, when, attributes); }
int Syscalls::fcntl(int fd, int command, int argument) { return ::fcntl(fd, command, argument); }
int Syscalls::flock(int fd, int operation) { return ::flock(fd, operation); }
int Syscalls::kill(pid_t pid, int signal) { return ::kill(pid, signal); }
int Syscalls::unlink(const char* path) { return ::unlink(path); }

Syscalls& Syscalls::real()
{
    static Syscalls calls;
    return calls;
}
