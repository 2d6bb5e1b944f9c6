#pragma once

#include "BusLines.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// The lines of one monitor line's traffic as the board saw them, for the waveform and the
// saved dump: the levels before it and every change, in EdgeClock ticks from its first change.
// A two-wire transaction runs from its start condition to its stop, a shift register's word
// from the first change after the last latch pulse to its own latch pulse.
struct BusCapture {
    using Lines = BusLines;
    // Packed changes: the low bits of the EdgeClock ticks above LevelBits, the levels below,
    // one bit a line (bit 0 the first line). The ticks wrap every 2^29: read through unpacked().
    static constexpr int LevelBits = 3;
    static constexpr std::uint32_t LevelMask = (1u << LevelBits) - 1;
    static constexpr std::size_t MaxChanges = 4096;  // a transaction without end keeps its first ones

    struct Change {
        std::uint64_t ticks;
        std::uint8_t levels;
    };

    Lines lines;
    std::uint8_t before;  // the levels before the first change
    std::chrono::nanoseconds start;  // of the first change, since the program started
    std::vector<std::uint32_t> changes;

    static std::uint32_t pack(std::uint64_t ticks, unsigned levels) { return std::uint32_t(ticks << LevelBits) | levels; }

    // Every change with its ticks since the first change (a change never comes a whole wrap
    // after the one before it).
    std::vector<Change> unpacked() const
    {
        std::vector<Change> out;
        out.reserve(changes.size());
        std::uint64_t since = 0;
        std::uint32_t last = changes.empty() ? 0 : changes.front() >> LevelBits;
        for (std::uint32_t packed : changes) {
            const std::uint32_t ticks = packed >> LevelBits;
            since += (ticks - last) & (~0u >> LevelBits);  // modulo the wrap
            last = ticks;
            out.push_back({since, std::uint8_t(packed & LevelMask)});
        }
        return out;
    }
};
