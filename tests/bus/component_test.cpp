#include "LineRecorder.h"
#include "MSComm.h"
#include "ScriptedLines.h"

#include <gtest/gtest.h>

#include <regex>

using Lines = std::vector<std::string>;

namespace {

struct Opened {
    int port = 0;
    LineSettings settings;
};

class Component : public ::testing::Test {
protected:
    std::unique_ptr<SerialLines> open(int port, const LineSettings& settings)
    {
        opened.push_back({port, settings});
        if (refuse)
            throw CommError(CommError::Kind::NoSuchDevice, "COM" + std::to_string(port) + " (/dev/board-adapter9): no such device");
        auto l = std::make_unique<ScriptedLines>();
        lines = l.get();
        return l;
    }

    LineRecorder recorder;
    std::vector<Opened> opened;
    bool refuse = false;
    ScriptedLines* lines = nullptr;
    MSComm comm{MSComm::Setup{[this](int p, const LineSettings& s) { return open(p, s); }, recorder.trace()}};
};

TEST_F(Component, ClosedPortIgnoresPutsAndReadsFalse)
{
    comm.setDTREnable(true);
    comm.setRTSEnable(false);
    comm.setBreak(true);
    comm.setOutput(std::string(1, '\0'));
    EXPECT_FALSE(comm.CDHolding());
    EXPECT_FALSE(comm.CTSHolding());
    EXPECT_FALSE(comm.DSRHolding());
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(recorder.lines(), (Lines{"DTREnable = True", "RTSEnable = False", "Break = True", "Output = 0x00",
                                       "CDHolding -> False", "CTSHolding -> False", "DSRHolding -> False",
                                       "PortOpen -> False"}));
}

TEST_F(Component, OpensThePortNumberAndSettingsPutBeforehand)
{
    comm.setCommPort(3);
    comm.setSettings("57600,n,8,1");
    comm.setPortOpen(true);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].port, 3);
    EXPECT_EQ(opened[0].settings.baud, 57600);
    EXPECT_TRUE(comm.PortOpen());
    comm.setOutput(std::string("\x80\x01", 2));
    EXPECT_EQ(lines->written, (std::vector<std::uint8_t>{0x80, 0x01}));
    comm.setPortOpen(false);
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(recorder.lines(), (Lines{"CommPort = 3", "Settings = \"57600,n,8,1\"", "PortOpen = True", "PortOpen -> True",
                                       "Output = 0x80", "Output = 0x01", "PortOpen = False", "PortOpen -> False"}));
}

TEST_F(Component, DefaultsArePortOneAt9600)
{
    comm.setPortOpen(true);
    EXPECT_EQ(opened.at(0).port, 1);
    EXPECT_EQ(opened.at(0).settings, (LineSettings{9600, 'n', 8, 1}));
}

TEST_F(Component, FailedOpeningRaisesAndIsTraced)
{
    refuse = true;
    try {
        comm.setPortOpen(true);
        FAIL() << "no error raised";
    } catch (const CommError& e) {
        EXPECT_EQ(e.kind(), CommError::Kind::NoSuchDevice);
    }
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(recorder.lines().at(0), "PortOpen = True !! COM1 (/dev/board-adapter9): no such device");
}

TEST_F(Component, OpeningTwiceIsRefusedAndKeepsThePort)
{
    comm.setPortOpen(true);
    EXPECT_THROW(comm.setPortOpen(true), CommError);
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(Component, BadValuesAreRefused)
{
    EXPECT_THROW(comm.setSettings("57600;n;8;1"), CommError);
    EXPECT_THROW(comm.setSettings("fast,n,8,1"), CommError);
    EXPECT_THROW(comm.setSettings("57600,x,8,1"), CommError);
    EXPECT_THROW(comm.setSettings("57600,n,9,1"), CommError);
    EXPECT_THROW(comm.setCommPort(0), CommError);
    EXPECT_EQ(comm.commPort(), 1);
    comm.setPortOpen(true);
    EXPECT_EQ(opened.at(0).settings.baud, 9600);
    EXPECT_EQ(LineSettings::parse("19200,E,7,2"), (LineSettings{19200, 'e', 7, 2}));
    EXPECT_EQ(LineSettings::parse("57600,n,8,1.5"), (LineSettings{57600, 'n', 8, 2}));  // termios offers 2
}

TEST_F(Component, FailingDeviceIsReportedOnceAndThenActsClosed)
{
    std::vector<std::string> reports;
    comm.setFailureHandler([&](const std::string& m) { reports.push_back(m); });
    comm.setPortOpen(true);
    lines->callsUntilFailure = 2;
    comm.setDTREnable(false);
    comm.setDTREnable(true);
    recorder.clear();
    comm.setRTSEnable(false);  // fails
    for (int i = 0; i < 100; ++i) {
        comm.setDTREnable(i & 1);
        EXPECT_FALSE(comm.CDHolding());
    }
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_FALSE(comm.PortOpen());
    auto l = recorder.lines();
    EXPECT_EQ(l.at(0), "RTSEnable = False !! COM1 (/dev/board-adapter): the device stopped answering");
    EXPECT_EQ(l.at(1), "DTREnable = False");

    // The port can be opened again afterwards.
    comm.setPortOpen(true);
    EXPECT_TRUE(comm.PortOpen());
}

TEST_F(Component, FailingStatusReadGivesFalseAndReportsOnce)
{
    int reports = 0;
    comm.setFailureHandler([&](const std::string&) { ++reports; });
    comm.setPortOpen(true);
    lines->cdScript = {true, true};
    EXPECT_TRUE(comm.CDHolding());
    lines->callsUntilFailure = 0;
    EXPECT_FALSE(comm.CDHolding());
    EXPECT_FALSE(comm.CTSHolding());
    EXPECT_EQ(reports, 1);
}

TEST(TraceFormat, TimeStampsInMicrosecondsThenAccess)
{
    LineRecorder recorder;
    MSComm comm(MSComm::Setup{{}, recorder.trace()});
    comm.setDTREnable(true);
    char* buffer = nullptr;
    std::size_t size = 0;
    FILE* f = open_memstream(&buffer, &size);
    Trace trace(f, Trace::Clock::now());
    trace.put("DTREnable", true);
    trace.get("CDHolding", false);
    trace.putByte("Output", 0x0A);
    trace.put("CommPort", 1L);
    std::fclose(f);
    std::string text(buffer, size);
    std::free(buffer);
    std::regex expected("[0-9]+ DTREnable = True\n[0-9]+ CDHolding -> False\n[0-9]+ Output = 0x0A\n[0-9]+ CommPort = 1\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST(NoTrace, ComponentWithoutTraceOrOpenerRefusesToOpen)
{
    MSComm comm(MSComm::Setup{});
    EXPECT_THROW(comm.setPortOpen(true), CommError);
    comm.setRTSEnable(true);
    EXPECT_FALSE(comm.CDHolding());
}

} // namespace
