#include "PortLock.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// PID named by an existing lock file: >0 a PID, 0 garbage (stale), -1 unreadable.
long readOwner(const std::string& path)
{
    // Only a regular file is a lock: anything else is never opened (a device could act on
    // being opened) and counts as garbage.
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && !S_ISREG(link.st_mode))
        return 0;
    int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ELOOP || errno == ENOENT ? 0 : -1;  // a symlink is no lock of ours to honour; a lock gone is stale
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return 0;
    }
    char text[32] = {};
    ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    errno = 0;
    long pid = std::strtol(text, nullptr, 10);
    // A number beyond what a PID can be is garbage: cut down to pid_t it could name -1 (every
    // process) or another live process.
    if (errno == ERANGE || pid <= 0 || pid > long(std::numeric_limits<pid_t>::max()))
        return 0;
    return pid;
}

} // namespace

bool PortLock::alive(long pid) const
{
    // EPERM: the process runs, as another user's.
    return calls_.kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

std::string PortLock::fileName(const std::string& device)
{
    std::string name = device;
    if (name.rfind("/dev/", 0) == 0)
        name.erase(0, 5);
    while (!name.empty() && name.front() == '/')
        name.erase(0, 1);
    for (char& c : name)
        if (c == '/')
            c = '_';
    return "LCK.." + name;
}

bool PortLock::acquire(const std::string& lockDir, const std::string& device, Held& held)
{
    release();
    std::string path = lockDir + "/" + fileName(device);
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char text[16];
            int n = std::snprintf(text, sizeof text, "%10ld\n", long(::getpid()));
            bool written = ::write(fd, text, size_t(n)) == n;
            ::close(fd);
            if (!written) {
                calls_.unlink(path.c_str());
                return true;  // a full disk must not keep the port from opening
            }
            path_ = path;
            return true;
        }
        if (errno != EEXIST)
            return true;  // no usable lock directory: go on unlocked, as other programs do
        long owner = readOwner(path);
        if (owner < 0 || (owner > 0 && alive(owner))) {
            held.pid = owner > 0 ? owner : 0;
            return false;
        }
        // Stale: its process is gone (unlink never follows a symlink).
        if (calls_.unlink(path.c_str()) != 0 && (errno == EPERM || errno == EACCES))
            return true;  // another user's, in a sticky directory: left as it is
    }
    held.pid = 0;
    return false;
}

void PortLock::release()
{
    if (path_.empty())
        return;
    if (readOwner(path_) == long(::getpid()))
        calls_.unlink(path_.c_str());
    path_.clear();
}
