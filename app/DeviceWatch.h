#pragma once

#include "DeviceIdentity.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTimer;
class TtyMonitor;

// Looks out for a lost device to come back, from the event loop: the tty devices that udev
// adds, and once a second the device's path (a by-id link that reappears, a machine without
// udev, a pseudo-terminal) and any device udev announced that could not be opened yet. The
// first look, just after the loss, also takes in the devices present then: an adapter that
// came back while the program still held its old name. `found` may hear one device again
// and again, and more than one name in a row, until the watch goes (with deleteLater, when
// `found` ends it).
class DeviceWatch : public QObject {
public:
    using Found = std::function<void(const QString& device)>;

    DeviceWatch(DeviceIdentity lost, std::string sysfsRoot, Found found, QObject* parent = nullptr);
    ~DeviceWatch() override;

private:
    // Tries the lost device under every name it may have come back as: `announced` (by udev,
    // or present at the start), those announced before, and its own path if that exists.
    void look(const std::vector<std::string>& announced);
    bool isLost(const std::string& candidate) const;

    DeviceIdentity lost_;
    std::string sysfsRoot_;
    Found found_;
    std::unique_ptr<TtyMonitor> monitor_;
    QTimer* timer_;
    std::vector<std::string> seen_;  // names announced that were the lost device
};
