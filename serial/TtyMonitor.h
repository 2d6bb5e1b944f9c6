#pragma once

#include <string>
#include <vector>

struct udev;
struct udev_monitor;

// The tty devices that udev adds, as it announces them once its rules have run (the node made,
// its group and links set). Where no udev runs, nothing ever comes.
class TtyMonitor {
public:
    TtyMonitor();
    ~TtyMonitor();
    TtyMonitor(const TtyMonitor&) = delete;
    TtyMonitor& operator=(const TtyMonitor&) = delete;

    // The socket to wait on for reading; -1 when no monitor could be had.
    int fd() const { return fd_; }
    // The device nodes added since the last call; does not wait.
    std::vector<std::string> added();

private:
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    int fd_ = -1;
};
