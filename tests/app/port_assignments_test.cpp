// What COM1 to COM4 stand for: the options, the user's and the computer's port assignments on a
// configuration tree of the test's own, the built-in ports, and the settles remembered beside
// them. No device is opened.
#include "IsolatedConfig.h"
#include "PortAssignments.h"
#include "ProgramOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

PortAssignments assigned(const QStringList& arguments, QStringList* warnings = nullptr)
{
    int code = -1;
    QString text;
    auto options = ProgramOptions::parse(QStringList{"thermread"} + arguments, text, code);
    EXPECT_TRUE(options) << code;
    return PortAssignments::load(options.value_or(ProgramOptions{}).com, [warnings](const QString& line) {
        if (warnings)
            *warnings << line;
        else
            ADD_FAILURE() << line.toStdString();
    });
}

TEST(ComPorts, BuiltInPortsUnlessAnOptionNamesAnotherDevice)
{
    IsolatedConfig config;
    const PortAssignments plain = assigned({});
    for (int port = 1; port <= 4; ++port) {
        EXPECT_EQ(plain.device(port), QStringLiteral("/dev/ttyS%1").arg(port - 1)) << "COM" << port;
        EXPECT_EQ(plain.describe(port), QStringLiteral("COM%1 = /dev/ttyS%2 (default)").arg(port).arg(port - 1));
    }
    EXPECT_EQ(plain.device(7), QStringLiteral("/dev/ttyS%1").arg(6));
    EXPECT_FALSE(plain.anyVirtual());

    // Each option moves its own port only.
    for (int moved = 1; moved <= 4; ++moved) {
        const PortAssignments ports = assigned({QStringLiteral("--com%1=/dev/board-adapter").arg(moved)});
        for (int port = 1; port <= 4; ++port)
            EXPECT_EQ(ports.device(port),
                      port == moved ? QStringLiteral("/dev/board-adapter") : QStringLiteral("/dev/ttyS%1").arg(port - 1))
                << "--com" << moved << ", COM" << port;
    }
}

// Each port here is decided by another source: COM1 by the less important system folder alone,
// COM2 by the more important one over it, COM3 by the user's file over both, COM4 by an option
// over the user's file.
TEST(ComPorts, OptionThenUserFileThenSystemFilesInTheirOrderThenDefault)
{
    IsolatedConfig config;
    IsolatedConfig::write(config.systemFile(1), "[ports]\nCOM1=/dev/lab-adapter\nCOM2=/dev/lab-old\nCOM3=/dev/lab-old\n");
    IsolatedConfig::write(config.systemFile(0), "[ports]\nCOM2=/dev/serial/by-id/usb-lab-if00\nCOM3=/dev/lab-new\n");
    IsolatedConfig::write(config.userFile(), "[ports]\ncom3=virtual\nCOM4=/dev/mine\n");
    const PortAssignments ports = assigned({"--com4=/dev/given"});
    EXPECT_EQ(ports.describe(1), "COM1 = /dev/lab-adapter (system file " + config.systemFile(1) + ")");
    EXPECT_EQ(ports.describe(2), "COM2 = /dev/serial/by-id/usb-lab-if00 (system file " + config.systemFile(0) + ")");
    EXPECT_EQ(ports.describe(3), "COM3 = virtual (user file " + config.userFile() + ")");
    EXPECT_EQ(ports.describe(4), "COM4 = /dev/given (option --com4)");
    EXPECT_EQ(ports.of(4).source, PortAssignments::Source::Option);
    EXPECT_TRUE(ports.anyVirtual());
}

// A user's file that cannot be read: a folder in its place, or a link to nothing.
TEST(ComPorts, UnreadableOrNonsenseFilesAreNamedInOneLineAndIgnored)
{
    for (bool dangling : {false, true}) {
        SCOPED_TRACE(dangling ? "a dangling link" : "a folder");
        IsolatedConfig config;
        if (dangling) {
            QDir().mkpath(QFileInfo(config.userFile()).path());
            ASSERT_TRUE(QFile::link(config.userFile() + ".gone", config.userFile()));
        } else {
            QDir().mkpath(config.userFile());
        }
        IsolatedConfig::write(config.systemFile(0), "[ports]\nCOM1=banana\nCOM2=/dev/lab-adapter\nCOM7=/dev/x\nCOM3=/dev/a,/dev/b\n"
                                                    "[settle]\nCOM1=fast\nCOM2=-5\nCOM3=1000001\nCOM4=1000000\n");
        QStringList warnings;
        const PortAssignments ports = assigned({}, &warnings);
        EXPECT_EQ(ports.of(1).source, PortAssignments::Source::Default);
        EXPECT_EQ(ports.device(2), "/dev/lab-adapter");
        EXPECT_EQ(ports.of(3).source, PortAssignments::Source::Default);
        EXPECT_FALSE(ports.settle(1) || ports.settle(2) || ports.settle(3));
        EXPECT_EQ(ports.settle(4), std::chrono::microseconds(1000000)) << "the longest settle there is";
        ASSERT_EQ(warnings.size(), 7) << warnings.join(u'\n').toStdString();
        EXPECT_EQ(warnings[0], config.systemFile(0) + ": [ports] COM1 = \"banana\" is neither a device path nor 'virtual'; ignored");
        EXPECT_EQ(warnings[1], config.systemFile(0) + ": [ports] COM3 = \"/dev/a,/dev/b\" is neither a device path nor 'virtual'; ignored");
        EXPECT_EQ(warnings[2], config.systemFile(0) + ": [ports] COM7 is not one of COM1 to COM4; ignored");
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(warnings[3 + n], config.systemFile(0) + QStringLiteral(": [settle] COM%1 = \"%2\" is not a number of "
                                                                            "microseconds from 0 to 1000000; ignored")
                                                                  .arg(n + 1)
                                                                  .arg(QStringList{"fast", "-5", "1000001"}[n]));
        EXPECT_EQ(warnings[6], config.userFile() + ": cannot be read; ignored");
    }
}

TEST(ComPorts, RememberedChoiceGoesToTheUserFileAndKeepsItsOtherSettings)
{
    IsolatedConfig config;
    IsolatedConfig::write(config.userFile(), "[ports]\nCOM2=/dev/other\n\n[window]\nzoom=2\n");
    IsolatedConfig::write(config.systemFile(0), "[ports]\nCOM1=/dev/lab-adapter\n");
    QString error;
    ASSERT_TRUE(PortAssignments::remember(1, "/dev/serial/by-id/usb-mine-if00", error)) << error.toStdString();
    const PortAssignments ports = assigned({});
    EXPECT_EQ(ports.describe(1), "COM1 = /dev/serial/by-id/usb-mine-if00 (user file " + config.userFile() + ")");
    EXPECT_EQ(ports.device(2), "/dev/other");
    EXPECT_NE(IsolatedConfig::read(config.userFile()).indexOf("zoom=2"), -1);
    EXPECT_EQ(IsolatedConfig::read(config.systemFile(0)), "[ports]\nCOM1=/dev/lab-adapter\n") << "the teacher's file changed";

    // A home whose configuration folder cannot be made: said, not thrown.
    IsolatedConfig::write(config.userFile() + ".d", "");
    qputenv("XDG_CONFIG_HOME", (config.userFile() + ".d").toLocal8Bit());
    EXPECT_FALSE(PortAssignments::remember(1, "/dev/x", error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
