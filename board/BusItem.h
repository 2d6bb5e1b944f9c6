#pragma once

#include <cstdint>
#include <vector>

// One thing a protocol decoder sees on the two-wire bus. A transaction runs from a Start to a
// Stop; after the Start and after every RepeatedStart comes an Address (the address byte, its
// direction in bit 0), then Data bytes, each byte with whether it was acknowledged. A byte
// that a stop cuts short is Unfinished, with the number of its bits.
struct BusItem {
    enum class Kind : std::uint8_t { Start, RepeatedStart, Address, Data, Unfinished, Stop };

    Kind kind;
    std::uint8_t value = 0;  // Address and Data: the byte; Unfinished: how many bits came
    bool acked = false;

    // Of an Address: the master reads from the chip.
    bool reads() const { return (value & 1u) != 0; }
    bool operator==(const BusItem&) const = default;
};

using BusItems = std::vector<BusItem>;
