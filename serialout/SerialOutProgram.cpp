#include "SerialOutWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include "OutputWordReadings.h"

const Program& serialOutProgram()
{
    static const Program entry = programEntry<SerialOutWindow>("serialout", &experiments::serialReceiverBoard,
                                                               [](SerialOutWindow& w) { return outputWordReadings(w); });
    return entry;
}
