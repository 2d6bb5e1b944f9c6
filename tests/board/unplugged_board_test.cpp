#include "ChipOnBus.h"
#include "LatchedShiftRegister.h"
#include "SensorTransactions.h"
#include "SerialReceiver.h"
#include "TemperatureSensor.h"

#include <gtest/gtest.h>

using Transactions = std::vector<std::string>;
using Bytes = std::pair<std::uint8_t, std::uint8_t>;

namespace {

class UnpluggedSensorBoard : public ::testing::Test, public ChipOnBus {
protected:
    TemperatureSensor* sensor = &add<TemperatureSensor>();
};

TEST_F(UnpluggedSensorBoard, NothingAnswersAndTheBusSeesNothingUntilPluggedInAgain)
{
    board.setUnplugged(true);
    EXPECT_EQ(sensorBus::readTemperature(), Bytes(0xFF, 0xFF));
    EXPECT_EQ(write(0x90, {sensor::StartConvert}), (std::vector<bool>{false, false}));  // not even the address
    EXPECT_FALSE(sensor->converting());
    EXPECT_TRUE(seen().empty());

    board.setUnplugged(false);
    EXPECT_EQ(sensorBus::readTemperature(), Bytes(0x19, 0x80));
    EXPECT_EQ(seen(), (Transactions{"S 90 W A AA A Sr 91 R A 19 A 80 N P"}));
}

TEST(UnpluggedBoard, PartsSeeOnlyTheLevelsLeftAtPluggingIn)
{
    Board board;
    auto& reg = board.add<LatchedShiftRegister>();
    board.setUnplugged(true);
    board.setDtr(false);
    board.setDtr(true);  // a whole clock pulse while unplugged: never seen
    board.setRts(false);
    board.setBreak(true);
    EXPECT_TRUE(board.lines().rts);
    board.setUnplugged(false);
    EXPECT_FALSE(board.lines().rts);
    EXPECT_TRUE(board.lines().txdBreak);
    EXPECT_EQ(reg.shifts(), 0);
    EXPECT_EQ(reg.latches(), 0);
    board.setRts(true);  // the rising edge after plugging in latches
    EXPECT_EQ(reg.latches(), 1);
}

TEST(UnpluggedBoard, BytesSentMeanwhileAreLost)
{
    Board board;
    auto& receiver = board.add<SerialReceiver>();
    board.setUnplugged(true);
    board.receive(0x12, receiver.settings());
    board.setUnplugged(false);
    board.receive(0x34, receiver.settings());
    EXPECT_EQ(receiver.received(), (std::vector<std::uint8_t>{0x34}));
}

// What a listener of the output parts heard.
class Heard : public PartListener {
public:
    void latched(std::uint16_t outputs) override { words.push_back(outputs); }
    void received(std::uint8_t byte, bool framingError) override { bytes.emplace_back(byte, framingError); }
    std::vector<std::uint16_t> words;
    std::vector<std::pair<std::uint8_t, bool>> bytes;
};

TEST(OutputListeners, ShiftRegisterTellsEveryLatchedWordToEveryListener)
{
    Board board;
    auto& reg = board.add<LatchedShiftRegister>();
    Heard first, second;
    reg.addListener(&first);
    reg.addListener(&second);  // a second listener does not replace the first
    for (std::uint16_t word : {std::uint16_t(0x8001), std::uint16_t(0x00FF)}) {
        for (int bit = 15; bit >= 0; --bit) {
            board.setBreak(!((word >> bit) & 1));
            board.setDtr(false);
            board.setDtr(true);
        }
        board.setRts(false);
        board.setRts(true);
    }
    EXPECT_EQ(first.words, (std::vector<std::uint16_t>{0x8001, 0x00FF}));
    EXPECT_EQ(second.words, first.words);
    reg.removeListener(&first);
    board.setRts(false);
    board.setRts(true);
    EXPECT_EQ(first.words.size(), 2u);
    EXPECT_EQ(second.words.size(), 3u);
}

TEST(OutputListeners, ReceiverTellsEveryByteWithItsFramingAndEveryLatch)
{
    Board board;
    auto& receiver = board.add<SerialReceiver>();
    Heard heard;
    board.addListener(&heard);
    board.receive(0x80, receiver.settings());
    board.receive(0x01, receiver.settings());
    board.setRts(false);
    board.setRts(true);
    board.receive(0x00, LineSettings{9600, 'n', 8, 1});  // six times too slow: the stop bit is sampled low
    ASSERT_EQ(heard.bytes.size(), 3u);
    EXPECT_EQ(heard.bytes[0], std::make_pair(std::uint8_t(0x80), false));
    EXPECT_EQ(heard.bytes[1], std::make_pair(std::uint8_t(0x01), false));
    EXPECT_EQ(heard.bytes[2], std::make_pair(std::uint8_t(0x00), true));
    EXPECT_EQ(receiver.framingErrors(), 1);
    EXPECT_EQ(heard.words, (std::vector<std::uint16_t>{0x8001}));
}

} // namespace
