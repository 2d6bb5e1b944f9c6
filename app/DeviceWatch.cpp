#include "DeviceWatch.h"

#include "SerialPortList.h"
#include "TtyMonitor.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <filesystem>

DeviceWatch::DeviceWatch(DeviceIdentity lost, std::string sysfsRoot, Found found, QObject* parent)
    : QObject(parent), lost_(std::move(lost)), sysfsRoot_(std::move(sysfsRoot)), found_(std::move(found)),
      monitor_(std::make_unique<TtyMonitor>()), timer_(new QTimer(this))
{
    if (monitor_->fd() >= 0) {
        auto* notifier = new QSocketNotifier(monitor_->fd(), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] { look(monitor_->added()); });
    }
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, [this] { look({}); });
    timer_->start();
    // Not at once: the watch starts inside the access that found the device gone.
    QTimer::singleShot(0, this, [this] {
        std::vector<std::string> present;
        for (const DeviceFacts& port : SerialPortList::present())
            present.push_back(port.path);
        look(present);
    });
}

DeviceWatch::~DeviceWatch() = default;

bool DeviceWatch::isLost(const std::string& candidate) const
{
    return lost_.isSame(DeviceIdentity::of(candidate, sysfsRoot_));
}

void DeviceWatch::look(const std::vector<std::string>& announced)
{
    for (const std::string& name : announced)
        if (std::find(seen_.begin(), seen_.end(), name) == seen_.end() && isLost(name))
            seen_.push_back(name);
    std::vector<std::string> names = seen_;
    std::error_code error;
    if (std::find(names.begin(), names.end(), lost_.path) == names.end() && std::filesystem::exists(lost_.path, error))
        names.insert(names.begin(), lost_.path);
    // Asked again each time: another adapter may have taken the name since.
    for (const std::string& name : names)
        if (isLost(name))
            found_(QString::fromStdString(name));
}
