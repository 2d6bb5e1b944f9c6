// What a desktop sees of each program: its icon, its desktop entry, its usage line. The whole
// runner in this process.
#include "Programs.h"
#include "RunProgram.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using RunProgram::runWith;

TEST(ProgramOnTheDesktop, EveryWindowShowsItsProgramsIconAndTheEntryIsNamed)
{
    std::vector<QImage> images;
    for (const Program& p : programs()) {
        SCOPED_TRACE(p.name.toStdString());
        QString desktopFileName;
        int status = runWith<FormWindow>(p, {"--com1=virtual"}, [&](FormWindow& w) {
            desktopFileName = QGuiApplication::desktopFileName();
            QIcon icon = w.windowIcon();
            EXPECT_EQ(icon.cacheKey(), QApplication::windowIcon().cacheKey()) << "the window draws an icon of its own";
            ASSERT_FALSE(icon.isNull());
            for (int side : {16, 24, 32, 48, 64, 128})
                EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
            images.push_back(icon.pixmap(32).toImage());
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(desktopFileName.toStdString(), p.desktopId.toStdString());
        EXPECT_TRUE(p.desktopId.endsWith(u'.' + p.name)) << desktopFileName.toStdString();
    }
    ASSERT_EQ(images.size(), programs().size());
    for (std::size_t i = 0; i < images.size(); ++i)
        for (std::size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << programs()[i].name.toStdString() << " and " << programs()[j].name.toStdString();
}

TEST(ProgramOnTheDesktop, UsageNamesTheProgramNotItsPath)
{
    for (const Program& p : programs()) {
        const std::string usage = "Usage: " + p.name.toStdString() + " [options]\n";
        testing::internal::CaptureStdout();
        EXPECT_EQ(runWith<FormWindow>(p, {"--help"}, [](FormWindow&) {}), 0);
        std::string help = testing::internal::GetCapturedStdout();
        EXPECT_EQ(help.substr(0, usage.size()), usage);
        EXPECT_NE(help.find("--com1"), std::string::npos) << help;

        testing::internal::CaptureStderr();
        EXPECT_EQ(runWith<FormWindow>(p, {"--no-such-option"}, [](FormWindow&) {}), 2);
        std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find("\n\n" + usage), std::string::npos) << error;
    }
}

} // namespace
