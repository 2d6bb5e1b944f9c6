// The check's first line names a device as --list-ports does, with the same driver, on umockdev's
// sysfs (the test runs under umockdev-wrapper): a built-in UART with and without the serial
// core's controller and port devices between it and its tty (Linux 6.5 and later, before).
#include "FakeSysfs.h"  // first: before Qt's headers

#include "BoardCheck.h"
#include "CheckRunner.h"
#include "DeviceDescription.h"
#include "PortEnvironment.h"
#include "Programs.h"
#include "SerialPortList.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FakeSysfsCheck, NamesTheDeviceAndItsDriverAsTheListDoes)
{
    for (bool serialCore : {false, true}) {
        SCOPED_TRACE(serialCore ? "under the serial core" : "on the UART");
        FakeSysfs sysfs;
        sysfs.builtInPort("ttyboard0", "serial8250", serialCore);
        const std::vector<DeviceFacts> listed = SerialPortList::present();
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(listed[0].driver, "serial8250");

        ProgramOptions options;
        options.com[0] = QStringLiteral("/dev/ttyboard0");
        const QTemporaryDir locks;  // the opening that follows fails, but locks first
        DeviceOpener devices;
        devices.lockDir = locks.path().toStdString();
        PortEnvironment environment(options, PortAssignments::load(options.com, {}), {}, {}, devices, {});
        BoardCheck check(CheckRunner::checkedPort(program("thermread"), environment, 1));
        check.step();
        EXPECT_TRUE(check.report().startsWith(QString::fromStdString(
            "COM1: " + DeviceDescription::line(listed[0]) + "; settle 0 µs (the driver's default)\n")))
            << check.report().toStdString();
    }
}

} // namespace
