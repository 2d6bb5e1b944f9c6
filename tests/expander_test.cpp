#include "Board.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "Pcf8574Expander.h"
#include "TransactionDecoder.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <gtest/gtest.h>

using namespace I2CSboard;
using Transactions = std::vector<std::string>;

namespace {

// Two expanders at address pins 000 and 001, as on the I/O board.
class Expanders : public ::testing::Test {
protected:
    Expanders()
    {
        bus = &board.add<TwoWireBus>();
        first = &bus->add<Pcf8574Expander>(Pcf8574Expander::Pcf8574Address7);
        second = &bus->add<Pcf8574Expander>(std::uint8_t(Pcf8574Expander::Pcf8574Address7 + 1));
        bus->addListener(&decoder);
        comm.setPortOpen(true);
    }

    void write(std::uint8_t address, std::uint8_t data)
    {
        I2CStart();
        WriteByte(address);
        GetAck();
        WriteByte(data);
        GetAck();
        I2CStop();
    }

    std::vector<std::uint8_t> read(std::uint8_t address, int count = 1)
    {
        std::vector<std::uint8_t> got;
        I2CStart();
        WriteByte(address);
        GetAck();
        for (int i = 0; i < count; ++i) {
            got.push_back(ReadByte());
            if (i + 1 < count)
                SendZero();
            else
                GetAck();
        }
        I2CStop();
        return got;
    }

    Board board;
    TwoWireBus* bus;
    Pcf8574Expander* first;
    Pcf8574Expander* second;
    Transactions seen;
    TransactionDecoder decoder{[this](const std::string& t) { seen.push_back(t); }};
    MSComm comm{MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }}};
    ComponentScope busScope{comm};
};

TEST_F(Expanders, LatchStartsHighAndAWriteSetsIt)
{
    EXPECT_EQ(read(0x41), std::vector<std::uint8_t>{0xFF});
    write(0x40, 0xF7);
    EXPECT_EQ(first->latch(), 0xF7);
    EXPECT_EQ(read(0x41), std::vector<std::uint8_t>{0xF7});
    EXPECT_EQ(second->latch(), 0xFF);
    EXPECT_EQ(seen, (Transactions{"S 41 R A FF N P", "S 40 W A F7 A P", "S 41 R A F7 N P"}));
}

TEST_F(Expanders, ReadGivesLatchAndWhatHoldsThePinsLow)
{
    first->setExternalLow(0x0F);
    EXPECT_EQ(read(0x41), std::vector<std::uint8_t>{0xF0});
    write(0x40, 0xFF);  // a 1 cannot pull a pin up against what holds it low
    EXPECT_EQ(read(0x41), std::vector<std::uint8_t>{0xF0});
    write(0x40, 0x7F);
    EXPECT_EQ(read(0x41), std::vector<std::uint8_t>{0x70});
    first->setExternalLow(0);
    EXPECT_EQ(read(0x41), std::vector<std::uint8_t>{0x7F});
}

TEST_F(Expanders, EachAnswersItsOwnAddressAndNoneTheAVariants)
{
    write(0x42, 0x12);
    EXPECT_EQ(first->latch(), 0xFF);
    EXPECT_EQ(second->latch(), 0x12);
    write(0x70, 0x00);
    write(0x72, 0x00);
    EXPECT_EQ(read(0x71), std::vector<std::uint8_t>{0xFF});
    EXPECT_EQ(first->latch(), 0xFF);
    EXPECT_EQ(second->latch(), 0x12);
    EXPECT_EQ(seen, (Transactions{"S 42 W A 12 A P", "S 70 W N 00 N P", "S 72 W N 00 N P", "S 71 R N FF N P"}));
}

} // namespace
