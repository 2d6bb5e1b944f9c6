#pragma once

#include "Board.h"
#include "DecodedBus.h"
#include "I2CSboard.h"
#include "MSComm.h"
#include "TwoWireBus.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Chips on the two-wire bus of a virtual board, behind an open component that holds the bus,
// so that the primitives drive them; every transaction is decoded. write() and read() are the
// plain transactions composed from the primitives. An address is the byte that goes on the
// wire, its R/W bit included.
class ChipOnBus {
public:
    ChipOnBus();

    template <class Chip, class... Args>
    Chip& add(Args&&... args)
    {
        return bus.add<Chip>(std::forward<Args>(args)...);
    }

    // S, the address, every byte, P; gives whether the address and each byte were acknowledged.
    std::vector<bool> write(std::uint8_t address, const std::vector<std::uint8_t>& bytes);
    // S, the address, `count` bytes, each acknowledged by the master but the last, P.
    // `between(i)` runs once byte i is in, before its acknowledge clock.
    std::vector<std::uint8_t> read(std::uint8_t address, int count,
                                   const std::function<void(int)>& between = {});
    // A register read: S, the address and `command`, a repeated start, then as read() from
    // the address with its R bit set.
    std::vector<std::uint8_t> readAfter(std::uint8_t address, const std::vector<std::uint8_t>& command, int count);

    // The decoded transactions so far.
    const std::vector<std::string>& seen() const { return decoded.transactions(); }

    Board board;
    TwoWireBus& bus;
    DecodedBus& decoded;
    MSComm comm;
    I2CSboard::ComponentScope busScope;

private:
    std::vector<std::uint8_t> readBytes(std::uint8_t address, int count, const std::function<void(int)>& between);
};
