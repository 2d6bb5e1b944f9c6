#pragma once

#include "MonotonicClock.h"
#include "SerialLines.h"

#include <chrono>
#include <memory>

// A port whose adapter reports the status inputs from a copy it refreshes on its own (a USB
// adapter polled every millisecond or so): a status read right after a change of DTR, RTS or
// break would show the lines as they were before it. So a read that comes less than `settle`
// after the port opened or after such a change first sleeps until that moment has passed.
// A read with no change since the last wait neither waits nor looks at the clock, and no
// access makes a kernel call of its own.
class SettledLines final : public SerialLines {
public:
    SettledLines(std::unique_ptr<SerialLines> inner, std::chrono::microseconds settle,
                 MonotonicClock& clock = MonotonicClock::system())
        : inner_(std::move(inner)), settle_(settle), clock_(clock), deadline_(clock.now() + settle)
    {
    }

    void setDtr(bool asserted) override
    {
        inner_->setDtr(asserted);
        changed(dtr_, asserted);
    }
    void setRts(bool asserted) override
    {
        inner_->setRts(asserted);
        changed(rts_, asserted);
    }
    void setBreak(bool on) override
    {
        inner_->setBreak(on);
        changed(break_, on);
    }
    bool cd() override { return settled().cd(); }
    bool cts() override { return settled().cts(); }
    bool dsr() override { return settled().dsr(); }
    void write(std::uint8_t byte) override { inner_->write(byte); }
    int hangupFd() const override { return inner_->hangupFd(); }

    std::chrono::microseconds settle() const { return settle_; }

private:
    // Levels as last put; unknown until the first put, which therefore counts as a change.
    enum class Level : signed char { Unknown = -1, Low = 0, High = 1 };

    void changed(Level& level, bool now)
    {
        Level put = now ? Level::High : Level::Low;
        if (level == put)
            return;
        level = put;
        // Counted from when the change has reached the adapter, that is after the put returned.
        deadline_ = clock_.now() + settle_;
        pending_ = true;
    }
    SerialLines& settled()
    {
        if (pending_) {
            if (clock_.now() < deadline_)
                clock_.sleepUntil(deadline_);
            pending_ = false;
        }
        return *inner_;
    }

    std::unique_ptr<SerialLines> inner_;
    std::chrono::microseconds settle_;
    MonotonicClock& clock_;
    std::chrono::nanoseconds deadline_;
    bool pending_ = true;  // the opening itself
    Level dtr_ = Level::Unknown;
    Level rts_ = Level::Unknown;
    Level break_ = Level::Unknown;
};
