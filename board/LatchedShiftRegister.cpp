#include "LatchedShiftRegister.h"

void LatchedShiftRegister::linesChanged(const PortLines& before, const PortLines& now)
{
    for (PartListener* listener : listeners())
        listener->shiftInputs(now.dtr, !now.txdBreak, now.rts);
    if (!before.dtr && now.dtr) {
        register_ = std::uint16_t((register_ << 1) | (now.txdBreak ? 0u : 1u));
        ++shifts_;
    }
    if (!before.rts && now.rts) {
        outputs_ = register_;
        ++latches_;
        for (PartListener* listener : listeners())
            listener->latched(outputs_);
    }
}
