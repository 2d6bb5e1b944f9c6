// The bus decoder fed the two lines directly, as a master drives them with nothing answering:
// what comes out in each phase of a transaction, and what is no transaction at all.
#include "TransactionDecoder.h"

#include <gtest/gtest.h>

namespace {

using Kind = BusItem::Kind;

// Drives SCL and SDA into a decoder; SDA changes only while SCL is low, but for start and stop.
class MasterLevels {
public:
    explicit MasterLevels(TransactionDecoder& decoder) : decoder_(decoder) {}
    void start() { levels({{false, true}, {true, true}, {true, false}, {false, false}}); }
    void stop() { levels({{false, false}, {true, false}, {true, true}}); }
    void bit(bool b) { levels({{false, b}, {true, b}, {false, b}}); }
    void byte(std::uint8_t value, bool acked)
    {
        for (int i = 7; i >= 0; --i)
            bit((value >> i) & 1u);
        bit(!acked);
    }

private:
    void levels(std::initializer_list<std::pair<bool, bool>> steps)
    {
        for (auto [scl, sda] : steps)
            decoder_.busLevels(scl, sda);
    }
    TransactionDecoder& decoder_;
};

TEST(TransactionDecoder, GivesEachTransactionsItemsAtItsStop)
{
    std::vector<BusItems> transactions;
    TransactionDecoder decoder([&](const BusItems& t) { transactions.push_back(t); });
    MasterLevels bus(decoder);
    bus.start();
    bus.byte(0x90, true);
    bus.byte(0xAA, true);
    EXPECT_EQ(decoder.pending(), (BusItems{{Kind::Start}, {Kind::Address, 0x90, true}, {Kind::Data, 0xAA, true}}));
    EXPECT_TRUE(transactions.empty());
    bus.start();
    bus.byte(0x91, true);
    bus.byte(0x19, false);
    bus.stop();
    ASSERT_EQ(transactions.size(), 1u);
    EXPECT_EQ(transactions[0], (BusItems{{Kind::Start}, {Kind::Address, 0x90, true}, {Kind::Data, 0xAA, true},
                                         {Kind::RepeatedStart}, {Kind::Address, 0x91, true}, {Kind::Data, 0x19, false},
                                         {Kind::Stop}}));
    EXPECT_FALSE(transactions[0][1].reads());
    EXPECT_TRUE(transactions[0][4].reads());
    EXPECT_TRUE(decoder.pending().empty());
}

TEST(TransactionDecoder, BytesCutShortAndTrafficOutsideATransaction)
{
    std::vector<std::string> seen;
    TransactionDecoder decoder([&](const std::string& t) { seen.push_back(t); });
    MasterLevels bus(decoder);
    bus.stop();  // no transaction to end
    bus.byte(0x55, true);
    bus.start();
    bus.byte(0x40, false);
    for (bool b : {true, false, true})
        bus.bit(b);
    bus.stop();
    bus.start();
    for (int i = 0; i < 8; ++i)  // an address without its acknowledge
        bus.bit(false);
    bus.stop();
    bus.start();
    bus.bit(true);
    bus.bit(true);
    bus.start();  // drops the two bits: the address begins again
    bus.byte(0x41, true);
    bus.stop();
    EXPECT_EQ(seen, (std::vector<std::string>{"S 40 W N (3 bits) P", "S (8 bits) P", "S Sr 41 R A P"}));
}

} // namespace
