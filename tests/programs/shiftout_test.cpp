#include "OutputPanelTest.h"
#include "PtySerialDevice.h"

using Lines = std::vector<std::string>;
using ShiftOut = OutputPanelTest<ShiftOutWindow>;

namespace {

// The 50 puts that send `word`: per bit, D15 first, the break state and a DTR pulse; then the
// RTS pulse.
Lines wordPuts(std::uint16_t word)
{
    Lines puts;
    for (int bit = 15; bit >= 0; --bit) {
        puts.push_back((word >> bit) & 1 ? "Break = False" : "Break = True");
        puts.push_back("DTREnable = False");
        puts.push_back("DTREnable = True");
    }
    puts.push_back("RTSEnable = False");
    puts.push_back("RTSEnable = True");
    return puts;
}

} // namespace

TEST_F(ShiftOut, StartUpOpensSetsTheLinesIdleAndClocksInSixteenZeros)
{
    Lines expected{"PortOpen = True", "DTREnable = True", "RTSEnable = True"};
    for (int i = 0; i < 16; ++i)
        expected.insert(expected.end(), {"Break = True", "DTREnable = False", "DTREnable = True"});
    expected.insert(expected.end(), {"RTSEnable = False", "RTSEnable = True"});
    EXPECT_EQ(startup, expected);
    EXPECT_TRUE(board.lines().txdBreak);  // rests at the last bit, D0 = 0
    EXPECT_TRUE(board.lines().dtr);
    EXPECT_TRUE(board.lines().rts);
    EXPECT_EQ(shifter.shifts(), 16);
    EXPECT_EQ(shifter.latches(), 1);
}

TEST_F(ShiftOut, EveryWordIsFiftyPutsFromD15)
{
    clickBit(15);
    EXPECT_EQ(recorder.lines(), wordPuts(0x8000));
    recorder.clear();
    clickBit(0);
    EXPECT_EQ(recorder.lines(), wordPuts(0x8001));
    EXPECT_FALSE(board.lines().txdBreak);  // D0 = 1
    EXPECT_EQ(shifter.outputs(), 0x8001);
    EXPECT_TRUE(shifter.output(15));
    EXPECT_TRUE(shifter.output(0));
    EXPECT_FALSE(shifter.output(1));

    window->txtOutH->setText("FF");
    window->txtOutL->setText("ff");
    recorder.clear();
    click(window->cmdOut);
    EXPECT_EQ(recorder.lines(), wordPuts(0xFFFF));
    EXPECT_EQ(shifter.outputs(), 0xFFFF);
    EXPECT_TRUE(receiver.received().empty());  // the data stream is never used
}

TEST_F(ShiftOut, ResetIsTheZeroFrameOfStartUpWithoutOpening)
{
    clickBit(3);
    recorder.clear();
    click(window->cmdReset);
    EXPECT_EQ(recorder.lines(), Lines(startup.begin() + 3, startup.end()));
    EXPECT_EQ(shifter.outputs(), 0);
}

TEST(ShiftOutStartUp, PortThatCannotBeOpenedSetsNoLine)
{
    Board board;
    auto& shifter = board.add<LatchedShiftRegister>();
    LineRecorder recorder;
    ShiftOutWindow window(MSComm::Setup{[](int, const LineSettings&) -> std::unique_ptr<SerialLines> {
                                            throw CommError(CommError::Kind::NoSuchDevice, "COM1 (/dev/board-port): no such device");
                                        },
                                        recorder.trace()});
    EXPECT_THROW(window.Form_Load(), CommError);
    EXPECT_EQ(recorder.lines(), (Lines{"PortOpen = True !! COM1 (/dev/board-port): no such device"}));
    EXPECT_EQ(shifter.shifts(), 0);
}

// On a serial device every line change is one kernel call and nothing else is called:
// break through TIOCSBRK/TIOCCBRK, which take effect at once.
TEST(ShiftOutOnDevice, OneKernelCallPerLineChange)
{
    PtySerialDevice pty;
    PtyModemCalls& calls = pty.calls;
    {
        ShiftOutWindow window(pty.setup());
        window.Form_Load();
        // Opening raised DTR and RTS already: the idle puts change nothing. The zero frame is
        // one break, 16 DTR pulses and the RTS pulse.
        EXPECT_EQ(calls.calls["TIOCSBRK"], 1);
        EXPECT_EQ(calls.calls["TIOCCBRK"], 0);
        calls.reset();
        window.cmdD_Click(15);
        EXPECT_EQ(calls.calls["TIOCCBRK"], 1);  // D15
        EXPECT_EQ(calls.calls["TIOCSBRK"], 1);  // D14 … D0
        calls.reset();
        window.cmdD_Click(0);  // 0x8001 after 0x8000
        EXPECT_EQ(calls.calls["TIOCCBRK"], 2);
        EXPECT_EQ(calls.calls["TIOCSBRK"], 1);
        EXPECT_EQ(calls.calls["TIOCMBIC"], 17);
        EXPECT_EQ(calls.calls["TIOCMBIS"], 17);
        EXPECT_EQ(calls.total(), 37);
        EXPECT_EQ(calls.modemBits & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR | TIOCM_RTS);
    }
}
