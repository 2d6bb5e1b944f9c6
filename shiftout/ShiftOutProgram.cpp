#include "ShiftOutWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& shiftOutProgram()
{
    static const Program entry = programEntry<ShiftOutWindow>("shiftout", &experiments::shiftRegisterBoard);
    return entry;
}
