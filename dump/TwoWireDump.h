#pragma once

#include "LineDump.h"
#include "VcdWriter.h"

#include <chrono>
#include <string>
#include <utility>
#include <vector>

// The two-wire bus dumped from a real port, where only the master's lines and the samples of
// CD are known: SCL is DTR, and SDA is the master's level (RTS) combined with the chips' as
// sampled. A sample that finds SDA low (CD asserted) while SCL is low dates the chips' low to
// the whole SCL-low part of that bit cell, from the falling edge of SCL that began it; they
// release SDA at the next falling edge. So SDA's changes in a cell are written once SCL rises,
// when the cell's samples are in.
class TwoWireDump final : public LineDump {
public:
    static inline const std::vector<std::string> Wires{"SCL", "SDA"};
    static constexpr const char* Rebuilt =
        "SDA rebuilt from samples: the master's level (RTS) combined with the chips' as CD sampled "
        "it, a chip's low dated to the SCL-low part of the bit cell it was sampled in";

    explicit TwoWireDump(VcdWriter& out) : out_(out) {}
    ~TwoWireDump() override { endCell(); }

    void dtrPut(bool asserted) override;
    void rtsPut(bool asserted) override;
    void breakPut(bool) override {}
    void cdRead(bool asserted) override;

private:
    void endCell();

    VcdWriter& out_;
    bool scl_ = true;
    bool master_ = true;
    bool chipLow_ = false;  // a chip pulls SDA low in this cell (as sampled)
    std::chrono::nanoseconds fell_{0};
    bool masterAtFall_ = true;
    std::vector<std::pair<std::chrono::nanoseconds, bool>> masterPuts_;  // in this cell's SCL-low part
};
