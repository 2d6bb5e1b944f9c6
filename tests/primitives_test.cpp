#include "I2CSboard.h"
#include "LineRecorder.h"
#include "MSComm.h"
#include "ScriptedLines.h"

#include <gtest/gtest.h>

using namespace I2CSboard;
using Lines = std::vector<std::string>;

namespace {

const std::string SdaHigh = "RTSEnable = True", SdaLow = "RTSEnable = False";
const std::string SclHigh = "DTREnable = True", SclLow = "DTREnable = False";
const std::string CdLow = "CDHolding -> False", CdHigh = "CDHolding -> True";

class Primitives : public ::testing::Test {
protected:
    void SetUp() override
    {
        comm.setPortOpen(true);
        recorder.clear();
    }

    Lines bits(std::uint8_t byte)
    {
        Lines out;
        for (int n = 7; n >= 0; --n) {
            out.push_back((byte >> n) & 1 ? SdaHigh : SdaLow);
            out.push_back(SclHigh);
            out.push_back(SclLow);
        }
        return out;
    }

    LineRecorder recorder;
    ScriptedLines* lines = nullptr;
    MSComm comm{MSComm::Setup{[this](int, const LineSettings&) {
                                  auto l = std::make_unique<ScriptedLines>();
                                  lines = l.get();
                                  return l;
                              },
                              recorder.trace()}};
    ComponentScope busScope{comm};
};

TEST_F(Primitives, LineHelpersPutExactlyTheirLine)
{
    SDAHigh();
    SDALow();
    SCLHigh();
    SCLLow();
    EXPECT_EQ(recorder.lines(), (Lines{SdaHigh, SdaLow, SclHigh, SclLow}));
}

TEST_F(Primitives, StartAndStopMakeFourAndThreePuts)
{
    I2CStart();
    EXPECT_EQ(recorder.lines(), (Lines{SdaHigh, SclHigh, SdaLow, SclLow}));
    EXPECT_FALSE(lines->rts);
    EXPECT_FALSE(lines->dtr);
    recorder.clear();
    I2CStop();
    EXPECT_EQ(recorder.lines(), (Lines{SdaLow, SclHigh, SdaHigh}));
    EXPECT_TRUE(lines->rts);
    EXPECT_TRUE(lines->dtr);
}

TEST_F(Primitives, RepeatedStartAfterAcknowledgeClockIsTheSameFourPuts)
{
    I2CStart();
    WriteByte(0x90);
    GetAck();
    EXPECT_TRUE(lines->rts);  // released by the acknowledge clock
    EXPECT_FALSE(lines->dtr);
    recorder.clear();
    I2CStart();
    EXPECT_EQ(recorder.lines(), (Lines{SdaHigh, SclHigh, SdaLow, SclLow}));
}

TEST_F(Primitives, WriteByteSendsMostSignificantBitFirst)
{
    WriteByte(0xA5);
    EXPECT_EQ(recorder.lines(), bits(0xA5));
    EXPECT_TRUE(lines->rts);  // the last bit, 1, stays on SDA
    recorder.clear();
    WriteByte(0x00);
    EXPECT_EQ(recorder.lines(), bits(0x00));
    EXPECT_FALSE(lines->rts);
}

TEST_F(Primitives, ReadByteSamplesBeforeEachClockAndReleasesSda)
{
    SDALow();
    recorder.clear();
    EXPECT_EQ(ReadByte(), 0xFF);  // CD never asserted
    Lines expected;
    for (int i = 0; i < 8; ++i)
        expected.insert(expected.end(), {SdaHigh, CdLow, SclHigh, SclLow});
    EXPECT_EQ(recorder.lines(), expected);
    EXPECT_TRUE(lines->rts);
    EXPECT_FALSE(lines->dtr);

    lines->samples = 0;
    lines->cdScript.assign(8, true);
    EXPECT_EQ(ReadByte(), 0x00);
    lines->samples = 0;
    lines->cdScript = {true};
    EXPECT_EQ(ReadByte(), 0x7F);
    lines->samples = 0;
    lines->cdScript = {false, true, false, true, true, false, true, false};
    EXPECT_EQ(ReadByte(), 0xA5);
}

TEST_F(Primitives, GetAckIsOneSampleAndOneClock)
{
    lines->cdScript = {true};
    EXPECT_TRUE(GetAck());
    EXPECT_EQ(recorder.lines(), (Lines{SdaHigh, CdHigh, SclHigh, SclLow}));
    recorder.clear();
    EXPECT_FALSE(GetAck());
    EXPECT_EQ(recorder.lines(), (Lines{SdaHigh, CdLow, SclHigh, SclLow}));
}

TEST_F(Primitives, BitsAndSamples)
{
    SendZero();
    SendOne();
    ClockPulse();
    EXPECT_EQ(recorder.lines(), (Lines{SdaLow, SclHigh, SclLow, SdaHigh, SclHigh, SclLow, SclHigh, SclLow}));
    recorder.clear();
    SDALow();
    lines->cdScript = {false};
    EXPECT_TRUE(ReadSDA());
    EXPECT_TRUE(lines->rts);
}

TEST_F(Primitives, CostsOfAByteMatchTheBusArithmetic)
{
    WriteByte(0x5A);
    GetAck();
    EXPECT_EQ(recorder.count("RTSEnable") + recorder.count("DTREnable"), 27u);
    EXPECT_EQ(recorder.count("CDHolding"), 1u);
    recorder.clear();
    ReadByte();
    EXPECT_EQ(recorder.count("RTSEnable") + recorder.count("DTREnable"), 24u);
    EXPECT_EQ(recorder.count("CDHolding"), 8u);
}

TEST(PrimitivesWithoutWindow, DriveAClosedComponent)
{
    I2CStart();
    EXPECT_EQ(ReadByte(), 0xFF);
    EXPECT_FALSE(GetAck());
    I2CStop();
}

} // namespace
