#include "LostDevice.h"

#include "CommError.h"
#include "DeviceWatch.h"
#include "FormWindow.h"
#include "PortEnvironment.h"
#include "Say.h"

#include <QSocketNotifier>

#include <utility>

LostDevice::LostDevice(FormWindow& window, PortEnvironment& environment, QString programName)
    : QObject(&window), window_(window), environment_(environment), program_(std::move(programName))
{
    window_.MSComm1.setFailureHandler([this](const std::string& message) { lost(message); });
    window_.MSComm1.setChangeHandler([this] { changed(); });
}

void LostDevice::lost(const std::string& message)
{
    // Inside the access that failed, in the middle of a handler: the window takes back what
    // the rest of it shows, and nothing is opened before it has returned.
    const int port = window_.MSComm1.commPort();
    const QString device = environment_.ports().device(port);
    //: %1 says what went wrong with the device; %2 is the device, waited for.
    say(program_, tr("%1; waiting for %2 to come back").arg(QString::fromStdString(message), device));
    //: After the window's caption. "Lost": the port's device was disconnected (a pulled cable).
    window_.suspend(tr(" — COM%1 lost, waiting for %2").arg(port).arg(device));
    watch_ = new DeviceWatch(environment_.identity(port), environment_.sysfsRoot(),
                             [this](const QString& device) { found(device); }, this);
}

void LostDevice::found(const QString& device)
{
    if (!window_.MSComm1.lost())
        return;
    const int port = window_.MSComm1.commPort();
    const QString before = environment_.ports().device(port);
    if (device != before)
        environment_.deviceRenamed(port, device);
    reopened_ = true;
    try {
        window_.MSComm1.reopen();
    } catch (const CommError&) {
        // Not ready yet (udev still at it, another program probing it): the watch tries again.
        reopened_ = false;
        if (device != before)
            environment_.deviceRenamed(port, before);
    }
}

void LostDevice::changed()
{
    // The device's hang-up is watched while it is open, so that a loss shows with no access
    // to find it (thermread between clicks), and the kernel is not kept from reusing its name.
    if (hangup_) {
        hangup_->setEnabled(false);  // its descriptor may be closed already
        hangup_->deleteLater();      // it may be calling us
        hangup_ = nullptr;
    }
    if (const int fd = window_.MSComm1.hangupFd(); fd >= 0) {
        hangup_ = new QSocketNotifier(fd, QSocketNotifier::Exception, this);  // POLLHUP, not data
        connect(hangup_, &QSocketNotifier::activated, this, [this, notifier = hangup_] {
            if (!window_.MSComm1.hungUp())
                notifier->setEnabled(false);  // it answers: not a hang-up, and not to be asked again
        });
    }
    if (watch_ && !window_.MSComm1.lost())
        resumed();
}

void LostDevice::resumed()
{
    watch_->deleteLater();  // it may be calling us
    watch_ = nullptr;
    window_.resume();
    if (std::exchange(reopened_, false)) {
        const int port = window_.MSComm1.commPort();
        say(program_, tr("COM%1 is back (%2); carrying on").arg(port).arg(environment_.ports().device(port)));
    }
}
