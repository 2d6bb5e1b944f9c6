#pragma once

#include <sys/types.h>

// A child process that does nothing until it is killed, when this goes: a live PID for a lock
// file of "another program".
class LiveProcess {
public:
    LiveProcess();
    ~LiveProcess();
    LiveProcess(const LiveProcess&) = delete;
    LiveProcess& operator=(const LiveProcess&) = delete;

    pid_t pid() const { return pid_; }
    // A PID that no process has any more: a child that has already ended.
    static pid_t endedPid();

private:
    pid_t pid_;
};
