// What COM1 to COM4 stand for. No device is opened.
#include "ProgramOptions.h"

#include <gtest/gtest.h>

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

} // namespace
