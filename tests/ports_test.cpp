// What COM1 to COM4 stand for, and whose lock a closing port removes. No device is opened.
#include "PortLock.h"
#include "ProgramOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

ProgramOptions parsed(const QStringList& arguments)
{
    QString text;
    int code = -1;
    auto options = ProgramOptions::parse(arguments, text, code);
    EXPECT_TRUE(options) << text.toStdString();
    return options.value_or(ProgramOptions{});
}

TEST(ComPorts, BuiltInPortsUnlessAnOptionNamesAnotherDevice)
{
    const ProgramOptions plain = parsed({"thermread"});
    for (int port = 1; port <= 4; ++port)
        EXPECT_EQ(plain.device(port), QStringLiteral("/dev/ttyS%1").arg(port - 1)) << "COM" << port;

    // Each option moves its own port only.
    for (int moved = 1; moved <= 4; ++moved) {
        const ProgramOptions options = parsed({"thermread", QStringLiteral("--com%1=/dev/board-adapter").arg(moved)});
        for (int port = 1; port <= 4; ++port)
            EXPECT_EQ(options.device(port),
                      port == moved ? QStringLiteral("/dev/board-adapter") : QStringLiteral("/dev/ttyS%1").arg(port - 1))
                << "--com" << moved << ", COM" << port;
    }
}

// Our lock was taken for stale and replaced by another program's while we held the port: our
// closing leaves that program's lock alone.
TEST(PortLockRelease, LeavesALockThatNamesAnotherProcess)
{
    char dir[] = "/tmp/board-locks-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string device = "/dev/board-adapter";
    const std::string path = std::string(dir) + "/" + PortLock::fileName(device);
    {
        PortLock lock;
        PortLock::Held held{};
        ASSERT_TRUE(lock.acquire(dir, device, held));
        ASSERT_EQ(lock.path(), path);
        char other[16];
        std::snprintf(other, sizeof other, "%10ld\n", long(getppid()));  // the test's parent lives
        fs::remove(path);
        std::ofstream(path) << other;
        lock.release();
        EXPECT_TRUE(fs::exists(path));
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), other);
    }
    fs::remove_all(dir);
}

} // namespace
