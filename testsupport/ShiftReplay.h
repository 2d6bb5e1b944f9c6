#pragma once

#include "HexDigits.h"
#include "LatchedShiftRegister.h"
#include "VcdGrammar.h"

#include <string>
#include <vector>

// A dump of shiftout's lines (DTR, TXD, RTS) played into a shift register of its own: the words
// it latched, as the bus monitor writes them ("latched 8001").
inline std::vector<std::string> latchedWords(const VcdGrammar& dump)
{
    struct Words : PartListener {
        void latched(std::uint16_t outputs) override { seen.push_back("latched " + hexDigits(outputs, 4)); }
        std::vector<std::string> seen;
    } words;
    LatchedShiftRegister shifter;
    shifter.addListener(&words);
    PortLines lines{dump.initial[0], dump.initial[2], !dump.initial[1]};
    for (const VcdGrammar::Change& c : dump.changes) {
        const PortLines before = lines;
        (c.wire == 0 ? lines.dtr : c.wire == 2 ? lines.rts : lines.txdBreak) = c.wire == 1 ? !c.level : c.level;
        shifter.linesChanged(before, lines);
    }
    return words.seen;
}
