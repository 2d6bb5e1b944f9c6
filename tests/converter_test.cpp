#include "Board.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "Pcf8591Converter.h"
#include "TransactionDecoder.h"
#include "TwoWireBus.h"
#include "VirtualPort.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace I2CSboard;
using Transactions = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The converter alone on a board, driven by the primitives and watched by a decoder.
class Converter : public ::testing::Test {
protected:
    Converter()
    {
        bus = &board.add<TwoWireBus>();
        converter = &bus->add<Pcf8591Converter>();
        bus->addListener(&decoder);
        comm.setPortOpen(true);
    }

    void write(std::initializer_list<std::uint8_t> bytes)
    {
        I2CStart();
        for (auto b : bytes) {
            WriteByte(b);
            GetAck();
        }
        I2CStop();
    }

    // A plain read of `count` bytes; `between(i)` runs after byte i is in, before its
    // acknowledge clock.
    Bytes read(int count, const std::function<void(int)>& between = {})
    {
        Bytes got;
        I2CStart();
        WriteByte(0x91);
        GetAck();
        for (int i = 0; i < count; ++i) {
            got.push_back(ReadByte());
            if (between)
                between(i);
            if (i + 1 < count)
                SendZero();
            else
                GetAck();  // not acknowledged: the read ends
        }
        I2CStop();
        return got;
    }

    Board board;
    TwoWireBus* bus;
    Pcf8591Converter* converter;
    Transactions seen;
    TransactionDecoder decoder{[this](const std::string& t) { seen.push_back(t); }};
    MSComm comm{MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }}};
    ComponentScope busScope{comm};
};

TEST_F(Converter, FirstByteIsThePreviousReadsLastResult)
{
    write({0x90, 0x45});
    EXPECT_EQ(read(4), (Bytes{0x80, 102, 128, 204}));  // power-on 0x80, then channels 1, 2, 3
    write({0x90, 0x45});
    EXPECT_EQ(read(4), (Bytes{51, 102, 128, 204}));  // channel 0, converted at the last acknowledge
    EXPECT_EQ(seen, (Transactions{"S 90 W A 45 A P", "S 91 R A 80 A 66 A 80 A CC N P", "S 90 W A 45 A P",
                                  "S 91 R A 33 A 66 A 80 A CC N P"}));
    EXPECT_TRUE(bus->scl());
    EXPECT_TRUE(bus->sda());
}

TEST_F(Converter, AutoIncrementWrapsAfterTheFourthChannel)
{
    write({0x90, 0x47});
    EXPECT_EQ(read(6), (Bytes{0x80, 204, 51, 102, 128, 204}));
    EXPECT_EQ(converter->channel(), 1);
}

TEST_F(Converter, WithoutAutoIncrementTheChannelStays)
{
    write({0x90, 0x42});
    EXPECT_EQ(read(3), (Bytes{0x80, 128, 128}));
    EXPECT_EQ(converter->channel(), 2);
}

TEST_F(Converter, TheFinalNotAcknowledgeMakesNoConversion)
{
    write({0x90, 0x45});
    EXPECT_EQ(read(1), (Bytes{0x80}));  // channel 1 converted at the address's acknowledge
    EXPECT_EQ(converter->channel(), 2);
    EXPECT_EQ(read(2), (Bytes{102, 128}));  // that result, then channel 2
}

TEST_F(Converter, ConversionSamplesTheInputAtTheAcknowledge)
{
    write({0x90, 0x45});
    Bytes got = read(4, [this](int i) {
        if (i == 0)
            converter->setInput(2, 7);  // before the acknowledge that converts channel 2
        if (i == 1)
            converter->setInput(2, 9);  // after it: too late for this read
    });
    EXPECT_EQ(got, (Bytes{0x80, 102, 7, 204}));
    EXPECT_EQ(converter->input(2), 9);
}

TEST_F(Converter, ThirdByteOfAWriteGoesToTheOutput)
{
    EXPECT_EQ(converter->output(), 0);
    write({0x90, 0x44, 0x99});
    EXPECT_EQ(converter->output(), 0x99);
    EXPECT_EQ(converter->control(), 0x44);
    EXPECT_TRUE(converter->outputEnabled());
    EXPECT_EQ(converter->channel(), 0);
    write({0x90, 0x04});  // a control byte alone leaves the output register as it is
    EXPECT_EQ(converter->output(), 0x99);
    EXPECT_FALSE(converter->outputEnabled());
    EXPECT_EQ(seen, (Transactions{"S 90 W A 44 A 99 A P", "S 90 W A 04 A P"}));
}

TEST_F(Converter, InputsStartAtTheBoardsLevels)
{
    EXPECT_EQ(converter->input(0), 51);
    EXPECT_EQ(converter->input(1), 102);
    EXPECT_EQ(converter->input(2), 128);
    EXPECT_EQ(converter->input(3), 204);
    EXPECT_THROW(converter->setInput(4, 0), std::out_of_range);
    EXPECT_THROW(converter->input(-1), std::out_of_range);
}

} // namespace
