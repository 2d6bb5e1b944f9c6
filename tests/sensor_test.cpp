#include "Board.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "SensorTransactions.h"
#include "TemperatureSensor.h"
#include "TransactionDecoder.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <gtest/gtest.h>

using namespace I2CSboard;
using Transactions = std::vector<std::string>;

namespace {

// A board with the sensor, watched by a decoder, behind an open component.
class VirtualSensor : public ::testing::Test {
protected:
    VirtualSensor()
    {
        bus = &board.add<TwoWireBus>();
        sensor = &bus->add<TemperatureSensor>();
        bus->addListener(&decoder);
        comm.setPortOpen(true);
    }

    void write(std::initializer_list<std::uint8_t> bytes, std::vector<bool>* acks = nullptr)
    {
        I2CStart();
        for (auto b : bytes) {
            WriteByte(b);
            bool a = GetAck();
            if (acks)
                acks->push_back(a);
        }
        I2CStop();
    }

    Board board;
    TwoWireBus* bus;
    TemperatureSensor* sensor;
    Transactions seen;
    TransactionDecoder decoder{[this](const std::string& t) { seen.push_back(t); }};
    MSComm comm{MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }}};
    ComponentScope busScope{comm};
};

TEST_F(VirtualSensor, ReadsTwentyFiveAndAHalfUntilToldOtherwise)
{
    auto [whole, half] = sensorBus::readTemperature();
    EXPECT_EQ(whole, 0x19);
    EXPECT_EQ(half, 0x80);
    EXPECT_EQ(seen, (Transactions{"S 90 W A AA A Sr 91 R A 19 A 80 N P"}));
    EXPECT_TRUE(bus->scl());
    EXPECT_TRUE(bus->sda());
}

TEST_F(VirtualSensor, TemperatureBytesFollowTheModel)
{
    struct Case {
        int halfDegrees;
        std::uint8_t whole, half;
    } cases[] = {{50, 0x19, 0x00}, {1, 0x00, 0x80}, {0, 0x00, 0x00}, {-1, 0xFF, 0x80}, {-50, 0xE7, 0x00}, {250, 0x7D, 0x00}};
    for (auto c : cases) {
        sensor->setHalfDegrees(c.halfDegrees);
        auto [whole, half] = sensorBus::readTemperature();
        EXPECT_EQ(whole, c.whole) << c.halfDegrees;
        EXPECT_EQ(half, c.half) << c.halfDegrees;
    }
}

TEST_F(VirtualSensor, StartsAndStopsConversions)
{
    EXPECT_FALSE(sensor->converting());
    write({0x90, 0xEE});
    EXPECT_TRUE(sensor->converting());
    write({0x90, 0x22});
    EXPECT_FALSE(sensor->converting());
    EXPECT_EQ(seen, (Transactions{"S 90 W A EE A P", "S 90 W A 22 A P"}));
}

TEST_F(VirtualSensor, ConfigurationRegisterKeepsWhatIsWritten)
{
    EXPECT_EQ(sensorBus::readConfig(), 0x8C);
    write({0x90, 0xAC, 0x0A});
    EXPECT_EQ(sensor->config(), 0x0A);
    EXPECT_EQ(sensorBus::readConfig(), 0x0A);
    EXPECT_EQ(seen.back(), "S 90 W A AC A Sr 91 R A 0A N P");
}

TEST_F(VirtualSensor, AcknowledgesOnlyItsOwnAddress)
{
    std::vector<bool> acks;
    write({0x90, 0xEE}, &acks);
    write({0x92, 0x22}, &acks);
    write({0x40, 0xFF}, &acks);
    EXPECT_EQ(acks, (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_TRUE(sensor->converting());  // the 0x22 went to nobody
    EXPECT_EQ(seen.at(1), "S 92 W N 22 N P");
}

TEST_F(VirtualSensor, UnaddressedReadGivesAllOnes)
{
    I2CStart();
    WriteByte(0x93);
    EXPECT_FALSE(GetAck());
    EXPECT_EQ(ReadByte(), 0xFF);
    ClockPulse();
    I2CStop();
    EXPECT_EQ(seen, (Transactions{"S 93 R N FF N P"}));
}

TEST_F(VirtualSensor, RepeatedStartAfterAcknowledgeClockRestartsTheAddress)
{
    // A write cut short by a repeated start: the sensor keeps the command and answers the read.
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(0xAC);
    GetAck();
    I2CStart();
    WriteByte(0x90);
    EXPECT_TRUE(GetAck());
    WriteByte(0xAA);
    GetAck();
    I2CStart();
    WriteByte(0x91);
    EXPECT_TRUE(GetAck());
    EXPECT_EQ(ReadByte(), 0x19);
    ClockPulse();
    I2CStop();
    EXPECT_EQ(seen, (Transactions{"S 90 W A AC A Sr 90 W A AA A Sr 91 R A 19 N P"}));
}

TEST_F(VirtualSensor, ReadEndedAfterOneByteLeavesTheBusFree)
{
    I2CStart();
    WriteByte(0x90);
    GetAck();
    WriteByte(0xAA);
    GetAck();
    I2CStart();
    WriteByte(0x91);
    GetAck();
    ReadByte();
    ClockPulse();  // not acknowledged
    I2CStop();
    auto [whole, half] = sensorBus::readTemperature();
    EXPECT_EQ(whole, 0x19);
    EXPECT_EQ(half, 0x80);
}

TEST(VirtualBoard, OpeningRaisesDtrAndRts)
{
    Board board;
    board.setDtr(false);
    board.setRts(false);
    VirtualPort port(board, LineSettings{});
    EXPECT_TRUE(board.lines().dtr);
    EXPECT_TRUE(board.lines().rts);
    EXPECT_FALSE(board.cd());
}

TEST(VirtualBoard, CdFollowsSdaPulledByTheMaster)
{
    Board board;
    board.add<TwoWireBus>();
    board.setRts(false);
    EXPECT_TRUE(board.cd());
    board.setRts(true);
    EXPECT_FALSE(board.cd());
}

} // namespace
