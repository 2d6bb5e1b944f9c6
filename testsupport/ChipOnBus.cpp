#include "ChipOnBus.h"

#include "VirtualPort.h"

using namespace I2CSboard;

ChipOnBus::ChipOnBus()
    : bus(board.add<TwoWireBus>()),
      decoded(board.add<DecodedBus>(board)),
      comm(MSComm::Setup{[this](int, const LineSettings& s) { return std::make_unique<VirtualPort>(board, s); }}),
      busScope(comm)
{
    comm.setPortOpen(true);
}

std::vector<bool> ChipOnBus::write(std::uint8_t address, const std::vector<std::uint8_t>& bytes)
{
    std::vector<bool> acks;
    I2CStart();
    WriteByte(address);
    acks.push_back(GetAck());
    for (std::uint8_t b : bytes) {
        WriteByte(b);
        acks.push_back(GetAck());
    }
    I2CStop();
    return acks;
}

std::vector<std::uint8_t> ChipOnBus::read(std::uint8_t address, int count, const std::function<void(int)>& between)
{
    I2CStart();
    return readBytes(address, count, between);
}

std::vector<std::uint8_t> ChipOnBus::readAfter(std::uint8_t address, const std::vector<std::uint8_t>& command, int count)
{
    I2CStart();
    WriteByte(address);
    GetAck();
    for (std::uint8_t b : command) {
        WriteByte(b);
        GetAck();
    }
    I2CStart();
    return readBytes(std::uint8_t(address | 1), count, {});
}

std::vector<std::uint8_t> ChipOnBus::readBytes(std::uint8_t address, int count, const std::function<void(int)>& between)
{
    std::vector<std::uint8_t> got;
    WriteByte(address);
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
