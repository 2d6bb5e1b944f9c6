#include "ChipOnBus.h"
#include "Pcf8574Expander.h"

#include <gtest/gtest.h>

using Transactions = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Two expanders at address pins 000 and 001, as on the I/O board.
class Expanders : public ::testing::Test, public ChipOnBus {
protected:
    Pcf8574Expander* first = &add<Pcf8574Expander>(Pcf8574Expander::Pcf8574Address7);
    Pcf8574Expander* second = &add<Pcf8574Expander>(std::uint8_t(Pcf8574Expander::Pcf8574Address7 + 1));
};

TEST_F(Expanders, LatchStartsHighAndAWriteSetsIt)
{
    EXPECT_EQ(read(0x41, 1), Bytes{0xFF});
    write(0x40, {0xF7});
    EXPECT_EQ(first->latch(), 0xF7);
    EXPECT_EQ(read(0x41, 1), Bytes{0xF7});
    EXPECT_EQ(second->latch(), 0xFF);
    EXPECT_EQ(seen(), (Transactions{"S 41 R A FF N P", "S 40 W A F7 A P", "S 41 R A F7 N P"}));
}

TEST_F(Expanders, ReadGivesLatchAndWhatHoldsThePinsLow)
{
    first->setExternalLow(0x0F);
    EXPECT_EQ(read(0x41, 1), Bytes{0xF0});
    write(0x40, {0xFF});  // a 1 cannot pull a pin up against what holds it low
    EXPECT_EQ(read(0x41, 1), Bytes{0xF0});
    write(0x40, {0x7F});
    EXPECT_EQ(read(0x41, 1), Bytes{0x70});
    first->setExternalLow(0);
    EXPECT_EQ(read(0x41, 1), Bytes{0x7F});
}

TEST_F(Expanders, EachAnswersItsOwnAddressAndNoneTheAVariants)
{
    write(0x42, {0x12});
    EXPECT_EQ(first->latch(), 0xFF);
    EXPECT_EQ(second->latch(), 0x12);
    write(0x70, {0x00});
    write(0x72, {0x00});
    EXPECT_EQ(read(0x71, 1), Bytes{0xFF});
    EXPECT_EQ(first->latch(), 0xFF);
    EXPECT_EQ(second->latch(), 0x12);
    EXPECT_EQ(seen(), (Transactions{"S 42 W A 12 A P", "S 70 W N 00 N P", "S 72 W N 00 N P", "S 71 R N FF N P"}));
}

} // namespace
