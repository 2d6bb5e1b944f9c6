#include "LostDevice.h"

#include "CommError.h"
#include "DeviceWatch.h"
#include "FormWindow.h"
#include "PortEnvironment.h"

#include <cstdio>
#include <utility>

LostDevice::LostDevice(FormWindow& window, PortEnvironment& environment, QString programName)
    : QObject(&window), window_(window), environment_(environment), program_(std::move(programName))
{
    window_.MSComm1.setFailureHandler([this](const std::string& message) { lost(message); });
    window_.MSComm1.setResumeHandler([this] { resumed(); });
}

void LostDevice::say(const QString& line) const
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(program_), qPrintable(line));
}

void LostDevice::lost(const std::string& message)
{
    // Inside the access that failed, in the middle of a handler: the window takes back what
    // the rest of it shows, and nothing is opened before it has returned.
    const int port = window_.MSComm1.commPort();
    const QString device = environment_.ports().device(port);
    say(QString::fromStdString(message) + QStringLiteral("; waiting for %1 to come back").arg(device));
    window_.suspend(QStringLiteral(" — COM%1 lost, waiting for %2").arg(port).arg(device));
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

void LostDevice::resumed()
{
    if (!watch_)
        return;
    watch_->deleteLater();  // it may be calling us
    watch_ = nullptr;
    window_.resume();
    if (std::exchange(reopened_, false)) {
        const int port = window_.MSComm1.commPort();
        say(QStringLiteral("COM%1 is back (%2); carrying on").arg(port).arg(environment_.ports().device(port)));
    }
}
