#pragma once

#include "LineDump.h"
#include "VcdWriter.h"

#include <string>
#include <vector>

// shiftout's three lines dumped as they are put: DTR (the shift clock), TXD (the data: low
// while in break) and RTS (the latch).
class ShiftLinesDump final : public LineDump {
public:
    static inline const std::vector<std::string> Wires{"DTR", "TXD", "RTS"};

    explicit ShiftLinesDump(VcdWriter& out) : out_(out) {}

    void dtrPut(bool asserted) override { out_.changeNow(0, asserted); }
    void breakPut(bool on) override { out_.changeNow(1, !on); }
    void rtsPut(bool asserted) override { out_.changeNow(2, asserted); }
    void cdRead(bool) override {}

private:
    VcdWriter& out_;
};
