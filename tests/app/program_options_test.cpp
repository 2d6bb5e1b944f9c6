// The bounds of the options: the settle, the COM port the check takes, the plot and the
// recording. Nothing is started.
#include "ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

std::optional<ProgramOptions> parse(const QStringList& arguments, int& code)
{
    QString text;
    return ProgramOptions::parse(QStringList{"thermread"} + arguments, text, code);
}

TEST(Options, SettleFromNoneToOneSecond)
{
    struct Case {
        const char* value;
        bool accepted;
    } cases[] = {{"0", true}, {"1000000", true}, {"3000", true}, {"-1", false}, {"1000001", false}, {"abc", false}, {"", false}};
    for (const Case& c : cases) {
        int code = -1;
        auto options = parse({QStringLiteral("--settle=%1").arg(c.value)}, code);
        EXPECT_EQ(bool(options), c.accepted) << c.value;
        if (options)
            EXPECT_EQ(options->settle->count(), QString(c.value).toLongLong()) << c.value;
        else
            EXPECT_EQ(code, 2) << c.value;
    }
}

TEST(Options, CheckTakesOneOfTheFourComPortsAndRememberOnlyWithIt)
{
    const struct {
        QStringList arguments;
        int check;  // -1: refused with status 2
        bool remember;
    } cases[] = {
        {{"--check"}, 1, false},           {{"--check=COM3"}, 3, false},    {{"--check=com4", "--remember"}, 4, true},
        {{"--check-window"}, 1, false},    {{}, 0, false},                  {{"--check=COM5"}, -1, false},
        {{"--check=COM0"}, -1, false},     {{"--check=/dev/x"}, -1, false}, {{"--check="}, -1, false},
        {{"--remember"}, -1, false},
    };
    for (const auto& c : cases) {
        const std::string name = c.arguments.join(u' ').toStdString();
        int code = -1;
        auto options = parse(c.arguments, code);
        ASSERT_EQ(bool(options), c.check >= 0) << name;
        if (!options) {
            EXPECT_EQ(code, 2) << name;
            continue;
        }
        EXPECT_EQ(options->check, c.check) << name;
        EXPECT_EQ(options->rememberSettle, c.remember) << name;
    }
}

TEST(Options, PlotAndARecordingFile)
{
    int code = -1;
    auto options = parse({"--plot", "--record=lab 3.csv"}, code);
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->plot);
    EXPECT_EQ(options->record, "lab 3.csv");
    options = parse({}, code);
    EXPECT_FALSE(options->plot);
    EXPECT_TRUE(options->record.isEmpty());
    EXPECT_FALSE(parse({"--record="}, code));
    EXPECT_EQ(code, 2);
}

} // namespace
