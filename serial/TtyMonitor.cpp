#include "TtyMonitor.h"

#include <cstring>
#include <fcntl.h>
#include <libudev.h>

TtyMonitor::TtyMonitor() : udev_(udev_new())
{
    if (!udev_)
        return;
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0)
        return;
    fd_ = udev_monitor_get_fd(monitor_);
    // Read until empty, never blocking the window's thread.
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

TtyMonitor::~TtyMonitor()
{
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
}

std::vector<std::string> TtyMonitor::added()
{
    std::vector<std::string> nodes;
    if (fd_ < 0)
        return nodes;
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        if (action && node && std::strcmp(action, "add") == 0)
            nodes.emplace_back(node);
        udev_device_unref(device);
    }
    return nodes;
}
