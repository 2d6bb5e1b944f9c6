#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <memory>
#include <string>

class DeviceWatch;
class FormWindow;
class PortEnvironment;
class QSocketNotifier;

// What a program does when the device behind its open port goes (a pulled cable): the port is
// closed at once (the component does that), one line says so, and the window waits with its
// readings as they were, its controls disabled and its timers stopped, until the same device
// is back. Then it is opened again as it was, lines and all, and the window carries on; or,
// in iopanel, until the user chooses a port.
class LostDevice : public QObject {
    Q_DECLARE_TR_FUNCTIONS(LostDevice)

public:
    // A child of `window`, which it goes with.
    LostDevice(FormWindow& window, PortEnvironment& environment, QString programName);

    // The window waits for its device.
    bool waiting() const { return watch_ != nullptr; }

private:
    void lost(const std::string& message);
    void found(const QString& device);
    void changed();
    void resumed();

    FormWindow& window_;
    PortEnvironment& environment_;
    QString program_;
    DeviceWatch* watch_ = nullptr;          // a child, while waiting
    QSocketNotifier* hangup_ = nullptr;     // a child, while a device is open
    bool reopened_ = false;         // the device itself came back, rather than a choice
};
