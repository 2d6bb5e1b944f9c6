#include "TwoWireDump.h"

namespace {
constexpr std::size_t Scl = 0, Sda = 1;
}

void TwoWireDump::dtrPut(bool asserted)
{
    if (asserted == scl_)
        return;
    if (asserted) {
        endCell();
        out_.changeNow(Scl, true);
    } else {
        out_.changeNow(Scl, false);
        fell_ = out_.last();
        masterAtFall_ = master_;
        chipLow_ = false;
    }
    scl_ = asserted;
}

void TwoWireDump::rtsPut(bool asserted)
{
    master_ = asserted;
    if (!scl_)
        masterPuts_.emplace_back(out_.now(), asserted);
    else if (!chipLow_)  // SCL high: a start or stop condition, or nothing while a chip holds SDA
        out_.changeNow(Sda, asserted);
}

void TwoWireDump::cdRead(bool asserted)
{
    // Chips change SDA only while SCL is low; a sample while it is high tells nothing new.
    if (asserted && !scl_)
        chipLow_ = true;
}

void TwoWireDump::endCell()
{
    if (scl_)
        return;
    if (chipLow_) {
        out_.change(Sda, false, fell_);
    } else {
        out_.change(Sda, masterAtFall_, fell_);
        for (auto [at, level] : masterPuts_)
            out_.change(Sda, level, at);
    }
    masterPuts_.clear();
}
