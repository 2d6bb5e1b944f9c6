// The board's parts for the sixteen-bit programs and the status-line monitor, driven
// through the board's lines as a port drives them.
#include "Board.h"
#include "LatchedShiftRegister.h"
#include "SerialReceiver.h"
#include "StatusInputs.h"

#include <gtest/gtest.h>

#include <array>

using Bytes = std::vector<std::uint8_t>;

namespace {

void clockIn(Board& board, bool bit)
{
    board.setBreak(!bit);
    board.setDtr(false);
    board.setDtr(true);
}

void latch(Board& board)
{
    board.setRts(false);
    board.setRts(true);
}

TEST(ShiftRegister, FirstBitShiftedInEndsAtD15)
{
    Board board;
    auto& reg = board.add<LatchedShiftRegister>();
    const std::uint16_t word = 0xA5C3;
    for (int bit = 15; bit >= 0; --bit)
        clockIn(board, (word >> bit) & 1);
    EXPECT_EQ(reg.shiftRegister(), word);
    EXPECT_EQ(reg.outputs(), 0);  // not latched yet
    latch(board);
    EXPECT_EQ(reg.outputs(), word);
    EXPECT_TRUE(reg.output(15));
    EXPECT_FALSE(reg.output(14));
    EXPECT_EQ(reg.shifts(), 16);
    EXPECT_EQ(reg.latches(), 1);

    // A seventeenth bit pushes D15 out; the outputs hold until the next latch.
    clockIn(board, true);
    EXPECT_EQ(reg.shiftRegister(), std::uint16_t(word << 1 | 1));
    EXPECT_EQ(reg.outputs(), word);
}

TEST(ShiftRegister, OnlyRisingEdgesCountAndDataIsTakenAtTheEdge)
{
    Board board;
    auto& reg = board.add<LatchedShiftRegister>();
    board.setDtr(false);  // a falling edge shifts nothing
    EXPECT_EQ(reg.shifts(), 0);
    board.setBreak(true);
    board.setBreak(false);  // the data line moving while DTR is low shifts nothing
    board.setDtr(true);     // TXD idle: a 1
    board.setBreak(true);   // moving after the edge does not change the bit taken
    EXPECT_EQ(reg.shiftRegister(), 1);
    board.setDtr(false);
    board.setDtr(true);  // TXD in break: a 0
    EXPECT_EQ(reg.shiftRegister(), 2);
    board.setRts(false);
    EXPECT_EQ(reg.latches(), 0);
    board.setRts(true);
    EXPECT_EQ(reg.outputs(), 2);
}

TEST(Receiver, TakesEveryByteAtItsOwnSettings)
{
    Board board;
    auto& rx = board.add<SerialReceiver>();
    const LineSettings own{57600, 'n', 8, 1};
    EXPECT_EQ(rx.settings(), own);
    Bytes sent;
    for (int b = 0; b < 256; ++b) {
        board.receive(std::uint8_t(b), own);
        sent.push_back(std::uint8_t(b));
    }
    EXPECT_EQ(rx.received(), sent);
    EXPECT_EQ(rx.framingErrors(), 0);
    EXPECT_EQ(rx.parityErrors(), 0);
}

TEST(Receiver, LatchTakesTheLastTwoBytesOnTheRisingEdgeOfRts)
{
    Board board;
    auto& rx = board.add<SerialReceiver>();
    const LineSettings own{57600, 'n', 8, 1};
    latch(board);  // nothing received yet
    EXPECT_EQ(rx.outputs(), 0);
    for (std::uint8_t b : {0x11, 0x80, 0x01})
        board.receive(b, own);
    board.setRts(false);
    EXPECT_EQ(rx.latches(), 1);  // a falling edge latches nothing
    board.setRts(true);
    EXPECT_EQ(rx.outH(), 0x80);
    EXPECT_EQ(rx.outL(), 0x01);
    EXPECT_EQ(rx.outputs(), 0x8001);
    board.receive(0x00, own);
    EXPECT_EQ(rx.outputs(), 0x8001);  // held until the next latch
    latch(board);
    EXPECT_EQ(rx.outputs(), 0x0100);
    EXPECT_EQ(rx.latches(), 3);
}

// At other settings the frame is sampled as a real receiver samples it (worked out by hand
// from the bit times).
TEST(Receiver, OtherSettingsGiveGarbageAndFramingErrors)
{
    struct Case {
        const char* sentWith;
        std::uint8_t byte;
        Bytes received;
        long framingErrors;
    } cases[] = {
        {"9600,n,8,1", 0x00, {0x00}, 1},     // nine slow low bits outlast the stop bit's sample
        {"9600,n,8,1", 0xFF, {0xE0}, 0},     // a slow start bit covers six fast bit times
        {"115200,n,8,1", 0x00, {0xF8}, 0},   // the fast frame ends in the middle of the byte
        {"115200,n,8,1", 0x55, {}, 0},       // every start sample falls on a 1: nothing at all
        {"57600,e,8,1", 0x00, {0x00}, 1},    // the parity bit (0) where the stop bit is looked for
        {"57600,e,8,1", 0x01, {0x01}, 0},    // parity 1 passes for a stop bit
        {"57600,o,8,1", 0x00, {0x00}, 0},    // odd parity of no ones is 1: it passes for a stop bit
        {"57600,n,7,1", 0x00, {0x80}, 0},    // the stop bit read as D7
        {"57600,n,8,2", 0x42, {0x42}, 0},    // a second stop bit is only a longer rest
    };
    for (const Case& c : cases) {
        Board board;
        auto& rx = board.add<SerialReceiver>();
        board.receive(c.byte, *LineSettings::parse(c.sentWith));
        EXPECT_EQ(rx.received(), c.received) << c.sentWith << " " << int(c.byte);
        EXPECT_EQ(rx.framingErrors(), c.framingErrors) << c.sentWith << " " << int(c.byte);
    }
}

TEST(Receiver, ChecksParityWhenItsSettingsHaveIt)
{
    Board board;
    auto& rx = board.add<SerialReceiver>(LineSettings{57600, 'e', 8, 1});
    board.receive(0x03, *LineSettings::parse("57600,e,8,1"));
    EXPECT_EQ(rx.parityErrors(), 0);
    board.receive(0x01, *LineSettings::parse("57600,n,8,1"));  // the stop bit passes for parity 1: right
    board.receive(0x03, *LineSettings::parse("57600,n,8,1"));  // and for 03 it is wrong
    EXPECT_EQ(rx.received(), (Bytes{0x03, 0x01, 0x03}));
    EXPECT_EQ(rx.parityErrors(), 1);
    EXPECT_EQ(rx.framingErrors(), 0);
}

// CTS, CD and DSR as the port reads them.
std::array<bool, 3> status(const Board& board)
{
    return {board.cts(), board.cd(), board.dsr()};
}

TEST(StatusInputs, StartAsAtPowerOnAndReachThePort)
{
    Board board;
    auto& inputs = board.add<StatusInputs>();
    EXPECT_EQ(status(board), (std::array{true, false, true}));
    inputs.setCts(false);
    inputs.setCd(true);
    EXPECT_EQ(status(board), (std::array{false, true, true}));
    inputs.setDsr(false);
    EXPECT_EQ(status(board), (std::array{false, true, false}));
    board.setDtr(false);  // the outputs do not reach the switches
    EXPECT_TRUE(inputs.cd());
}

TEST(StatusInputs, ReadNotAssertedWhileUnpluggedAndComeBackWithThePlug)
{
    Board board;
    auto& inputs = board.add<StatusInputs>();
    inputs.setCd(true);
    board.setUnplugged(true);
    EXPECT_EQ(status(board), (std::array{false, false, false}));
    board.setUnplugged(false);
    EXPECT_EQ(status(board), (std::array{true, true, true}));
}

} // namespace
