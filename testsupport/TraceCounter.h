#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Counts what a stretch of trace lines (without time stamps) asks of the port: puts of the
// three output lines and how many of them changed a level, status reads, bytes written, and
// every access in order. It follows the output levels from one stretch to the next.
class TraceCounter {
public:
    struct Access {
        enum Kind { Dtr, Rts, Break, Cd, Cts, Dsr, Output } kind;
        unsigned value;  // the level put (0 or 1), the level read, or the byte written
    };
    static constexpr std::size_t Kinds = 7;

    struct Counts {
        std::size_t puts = 0;     // DTREnable, RTSEnable and Break
        std::size_t changes = 0;  // puts that changed their line: the least a device must do
        std::size_t reads = 0;    // CDHolding, CTSHolding and DSRHolding
        std::size_t bytes = 0;    // Output, one per byte
        std::array<std::size_t, Kinds> byKind{};
        std::vector<Access> accesses;

        std::size_t of(Access::Kind kind) const { return byKind[kind]; }
    };

    // Other lines (PortOpen, CommPort, Settings) are passed over; a failed access counts.
    Counts count(const std::vector<std::string>& lines);

private:
    // As a port stands once opened: DTR and RTS asserted, no break.
    bool levels_[3] = {true, true, false};
};
