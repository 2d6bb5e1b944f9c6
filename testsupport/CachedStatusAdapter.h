#pragma once

#include "MonotonicClock.h"
#include "PortLines.h"
#include "SerialLines.h"

#include <chrono>
#include <deque>
#include <memory>

// Makes a port (the virtual board's, say) behave like a USB serial adapter, on a clock:
// - a change of DTR, RTS or break is a USB transfer that takes `lineChange` on the clock before
//   it returns, and a put that leaves the line as it is takes nothing (the device layer makes no
//   call for it);
// - a status read takes `statusRead` (a live adapter asks the chip; a cached one answers from
//   memory) and gives the status inputs as they were `lag` earlier (a cached adapter's copy
//   lags the lines by up to its polling interval). With no lag it gives them as they are.
class CachedStatusAdapter final : public SerialLines {
public:
    struct Timing {
        std::chrono::microseconds lag{0};
        std::chrono::microseconds lineChange{0};
        std::chrono::microseconds statusRead{0};
    };

    // `opened` holds the output levels the port has after opening (a Linux port raises DTR and
    // RTS as it opens).
    CachedStatusAdapter(std::unique_ptr<SerialLines> inner, MonotonicClock& clock, Timing timing,
                        PortLines opened = {});

    void setDtr(bool asserted) override { put(&SerialLines::setDtr, outputs_.dtr, asserted); }
    void setRts(bool asserted) override { put(&SerialLines::setRts, outputs_.rts, asserted); }
    void setBreak(bool on) override { put(&SerialLines::setBreak, outputs_.txdBreak, on); }
    bool cd() override { return reported().cd; }
    bool cts() override { return reported().cts; }
    bool dsr() override { return reported().dsr; }
    void write(std::uint8_t byte) override { inner_->write(byte); }
    int hangupFd() const override { return inner_->hangupFd(); }

private:
    struct Status {
        std::chrono::nanoseconds since;
        bool cd, cts, dsr;
    };

    void put(void (SerialLines::*set)(bool), bool& level, bool value);
    // Records the inner port's status inputs as they stand now, if they changed.
    void sample();
    const Status& reported();

    std::unique_ptr<SerialLines> inner_;
    MonotonicClock& clock_;
    Timing timing_;
    PortLines outputs_;
    std::deque<Status> history_;  // oldest first; the front is what a read `lag` ago would see
};
