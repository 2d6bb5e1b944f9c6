#pragma once

#include <chrono>
#include <cstdint>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

// Times every change of the board's lines for the waveform at the cost of a few instructions:
// the processor's time-stamp counter where it has one (no call, no kernel), else the steady
// clock. The ticks' length in nanoseconds is measured against the steady clock over the time
// since the clock was made, when it is asked for (when a waveform is drawn or saved).
class EdgeClock {
public:
    using Steady = std::chrono::steady_clock;

    EdgeClock() : steadyAt_(Steady::now()), ticksAt_(ticks()) {}

    static std::uint64_t ticks()
    {
#if defined(__x86_64__) || defined(__i386__)
        return __rdtsc();
#else
        return std::uint64_t(Steady::now().time_since_epoch().count());
#endif
    }

    double nsPerTick() const
    {
#if defined(__x86_64__) || defined(__i386__)
        const double ns = double(std::chrono::duration_cast<std::chrono::nanoseconds>(Steady::now() - steadyAt_).count());
        const double ticked = double(ticks() - ticksAt_);
        return ticked > 0 && ns > 0 ? ns / ticked : 1.0;
#else
        return double(Steady::period::num) * 1e9 / double(Steady::period::den);
#endif
    }

private:
    Steady::time_point steadyAt_;
    std::uint64_t ticksAt_;
};
