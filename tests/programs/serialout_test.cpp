#include "HexDigits.h"
#include "OutputPanelTest.h"
#include "PtySerialDevice.h"
#include "SerialOutWindow.h"

#include <cstdio>
#include <cstdlib>

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;
using SerialOut = OutputPanelTest<SerialOutWindow>;

namespace {

// A port that notes, on the window's own clock, when each byte was handed over and when RTS
// changed; the bytes and lines go on to the virtual board.
class StampedLines : public SerialLines {
public:
    struct Event {
        std::string what;  // "byte 80", "RTS 0", "RTS 1"
        std::chrono::nanoseconds at;
    };

    StampedLines(Board& board, const LineSettings& s, std::function<std::chrono::nanoseconds()> stamp)
        : port_(board, s), stamp_(std::move(stamp))
    {
    }
    void setDtr(bool v) override { note(v ? "DTR 1" : "DTR 0"); port_.setDtr(v); }
    void setRts(bool v) override { port_.setRts(v); note(v ? "RTS 1" : "RTS 0"); }
    void setBreak(bool v) override { note(v ? "break 1" : "break 0"); port_.setBreak(v); }
    bool cd() override { return port_.cd(); }
    bool cts() override { return port_.cts(); }
    bool dsr() override { return port_.dsr(); }
    void write(std::uint8_t byte) override
    {
        port_.write(byte);
        note("byte " + hexDigits(byte, 2));  // after the byte was handed over
    }

    std::vector<Event>* events = nullptr;

private:
    void note(const std::string& what) { events->push_back({what, stamp_()}); }
    VirtualPort port_;
    std::function<std::chrono::nanoseconds()> stamp_;
};

// A clock that moves on by `step` after every reading; peek() gives the latest reading
// (the start before the first) without moving it.
class SteppingClock : public MonotonicClock {
public:
    SteppingClock(std::chrono::nanoseconds start, std::chrono::nanoseconds step) : next_(start), last_(start), step_(step) {}
    std::chrono::nanoseconds now() override
    {
        if (++readings > 100000) {
            std::fputs("the wait does not end\n", stderr);
            std::abort();
        }
        last_ = next_;
        next_ += step_;
        return last_;
    }
    std::chrono::nanoseconds peek() const { return last_; }
    long readings = 0;

private:
    std::chrono::nanoseconds next_, last_, step_;
};

struct StampedWindow {
    StampedWindow(MonotonicClock& clock, std::function<std::chrono::nanoseconds()> stamp)
        : window(MSComm::Setup{[this, stamp](int, const LineSettings& s) {
                                   auto lines = std::make_unique<StampedLines>(board, s, stamp);
                                   lines->events = &events;
                                   return lines;
                               }},
                 clock)
    {
    }
    Board board;
    SerialReceiver& receiver = board.add<SerialReceiver>();
    std::vector<StampedLines::Event> events;
    SerialOutWindow window;
};

// From a run of events: the time from each second byte to the RTS pulse that follows it.
std::vector<std::chrono::nanoseconds> latchDelays(const std::vector<StampedLines::Event>& events)
{
    std::vector<std::chrono::nanoseconds> delays;
    for (std::size_t i = 0; i + 4 <= events.size(); i += 4) {
        EXPECT_EQ(events[i].what.substr(0, 5), "byte ");
        EXPECT_EQ(events[i + 1].what.substr(0, 5), "byte ");
        EXPECT_EQ(events[i + 2].what, "RTS 0");
        EXPECT_EQ(events[i + 3].what, "RTS 1");
        delays.push_back(events[i + 2].at - events[i + 1].at);
    }
    EXPECT_EQ(events.size() % 4, 0u);
    return delays;
}

} // namespace

TEST_F(SerialOut, StartUpOpensCom1At57600AndSendsTheZeroWord)
{
    EXPECT_EQ(startup, (Lines{"CommPort = 1", "Settings = \"57600,n,8,1\"", "PortOpen = True", "Output = 0x00",
                              "Output = 0x00", "RTSEnable = False", "RTSEnable = True"}));
    EXPECT_EQ(openedWith, (LineSettings{57600, 'n', 8, 1}));
    EXPECT_EQ(receiver.received(), (Bytes{0x00, 0x00}));
    EXPECT_EQ(receiver.framingErrors(), 0);
    EXPECT_EQ(receiver.latches(), 1);
}

TEST_F(SerialOut, EachUpdateIsTwoBytesThenTheLatchAndNeverDtrOrBreak)
{
    clickBit(15);
    clickBit(0);
    click(window->cmdReset);
    window->txtOutH->setText("ff");  // OUTL still shows 1 from the click on D0
    click(window->cmdOut);
    EXPECT_EQ(recorder.lines(),
              (Lines{"Output = 0x80", "Output = 0x00", "RTSEnable = False", "RTSEnable = True",  //
                     "Output = 0x80", "Output = 0x01", "RTSEnable = False", "RTSEnable = True",  //
                     "Output = 0x00", "Output = 0x00", "RTSEnable = False", "RTSEnable = True",  //
                     "Output = 0xFF", "Output = 0x01", "RTSEnable = False", "RTSEnable = True"}));
    EXPECT_EQ(receiver.received(), (Bytes{0, 0, 0x80, 0x00, 0x80, 0x01, 0x00, 0x00, 0xFF, 0x01}));
    EXPECT_EQ(receiver.framingErrors(), 0);
    EXPECT_EQ(shifter.shifts(), 0);  // DTR never moved
    EXPECT_FALSE(board.lines().txdBreak);
}

// Measured on the window's own (real) clock: the latch never comes before 10 ms have passed
// since the second byte was handed over, also for clicks in quick succession.
TEST(SerialOutWait, LatchComesTenMillisecondsAfterTheSecondByte)
{
    MonotonicClock& clock = MonotonicClock::system();
    StampedWindow w(clock, [&clock] { return clock.now(); });
    w.window.Form_Load();
    w.window.cmdD_Click(1);
    w.window.cmdD_Click(2);
    w.window.cmdReset_Click();
    auto delays = latchDelays(w.events);
    ASSERT_EQ(delays.size(), 4u);
    for (auto d : delays)
        EXPECT_GE(d, SerialOutWindow::LatchDelay);
    EXPECT_EQ(w.receiver.received(), (Bytes{0, 0, 0, 2, 0, 6, 0, 0}));
}

// The wait ends at the first reading at or past 10 ms after its start, on a clock that goes
// on counting where the time of day would start again from 0: here 23:59:59.995 to 00:00:00.005.
TEST(SerialOutWait, WaitAcrossMidnightEndsAfterTenMilliseconds)
{
    struct Case {
        std::chrono::nanoseconds start, step, expectedDelay;
    } cases[] = {
        {24h - 5ms, 1ms, 10ms},           // crosses midnight
        {24h - 5ms, 3ms, 12ms},           // 9 ms is not enough
        {24h - 10ms, 10ms, 10ms},         // ends on the reading that reaches midnight exactly
        {10000h + 123456ns, 1ms, 10ms},   // a clock long past its first day
        {0ns, 700us, 10500us},
    };
    for (const Case& c : cases) {
        SteppingClock clock(c.start, c.step);
        StampedWindow w(clock, [&clock] { return clock.peek(); });
        w.window.Form_Load();
        auto delays = latchDelays(w.events);
        ASSERT_EQ(delays.size(), 1u);
        // The stamp of the second byte is the wait's first reading, taken right after it.
        EXPECT_EQ(delays[0], c.expectedDelay) << c.start.count();
        EXPECT_EQ(w.receiver.latches(), 1);
    }
}

// On a real device: raw 57600 8N1, every byte handed to the kernel as it is put, 0x00 as a
// zero byte, and only RTS moving.
TEST(SerialOutOnDevice, BytesAndSettingsOnAPty)
{
    PtySerialDevice pty;
    PtyModemCalls& calls = pty.calls;
    {
        LineRecorder recorder;
        SerialOutWindow window(pty.setup(recorder.trace()));
        window.Form_Load();
        EXPECT_EQ(pty.readBytes(2), (Bytes{0x00, 0x00}));

        termios t{};
        ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
        EXPECT_EQ(cfgetospeed(&t), B57600);
        EXPECT_EQ(cfgetispeed(&t), B57600);
        EXPECT_FALSE(t.c_lflag & (ICANON | ECHO | ISIG));
        EXPECT_FALSE(t.c_oflag & OPOST);
        EXPECT_FALSE(t.c_iflag & (IXON | ICRNL | INLCR));
        t = calls.lastSet;  // a pty keeps only part of what was asked for
        EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t(CS8));
        EXPECT_FALSE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS));
        EXPECT_TRUE(t.c_cflag & CLOCAL);

        calls.reset();
        window.cmdD_Click(15);
        window.cmdD_Click(3);
        window.txtOutH->setText("0a");
        window.txtOutL->setText("0d");
        window.cmdOut_Click();
        EXPECT_EQ(pty.readBytes(6), (Bytes{0x80, 0x00, 0x80, 0x08, 0x0A, 0x0D}));
        EXPECT_EQ(calls.calls["write"], 6);
        EXPECT_EQ(calls.calls["TIOCMBIC"], 3);  // RTS down, once a word
        EXPECT_EQ(calls.calls["TIOCMBIS"], 3);
        EXPECT_EQ(calls.total(), 12);
        EXPECT_EQ(calls.modemBits & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR | TIOCM_RTS);
        EXPECT_EQ(recorder.counts().of(TraceCounter::Access::Dtr) + recorder.counts().of(TraceCounter::Access::Break), 0u);
    }
}
