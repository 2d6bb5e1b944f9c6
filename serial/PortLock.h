#pragma once

#include "Syscalls.h"

#include <string>

// The lock file that serial programs share: <dir>/LCK..<device below /dev, '/' as '_'>,
// holding the owner's PID in ASCII, right-aligned in ten characters and a newline.
class PortLock {
public:
    struct Held {
        long pid;  // 0 when the lock names no readable process
    };

    // Takes the lock for `device`, replacing a stale one (its process is gone).
    // Returns false and fills `held` when a live process (or an unreadable lock) holds it.
    // When the lock directory cannot be written, or a stale lock cannot be removed because
    // another user owns it (a sticky directory such as /run/lock), goes on without a lock file
    // of its own: the device's flock and exclusive mode still keep a second program out.
    bool acquire(const std::string& lockDir, const std::string& device, Held& held);
    void release();

    explicit PortLock(Syscalls& calls = Syscalls::real()) : calls_(calls) {}
    ~PortLock() { release(); }
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    static std::string fileName(const std::string& device);
    const std::string& path() const { return path_; }

private:
    bool alive(long pid) const;

    Syscalls& calls_;
    std::string path_;  // set while we own the file
};
