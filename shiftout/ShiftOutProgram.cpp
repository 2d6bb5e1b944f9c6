#include "ShiftOutWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include "OutputWordReadings.h"

const Program& shiftOutProgram()
{
    static const Program entry = programEntry<ShiftOutWindow>("shiftout", &experiments::shiftRegisterBoard,
                                                               [](ShiftOutWindow& w) { return outputWordReadings(w); });
    return entry;
}
