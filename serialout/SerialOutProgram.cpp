#include "SerialOutWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& serialOutProgram()
{
    static const Program entry = programEntry<SerialOutWindow>("serialout", &experiments::serialReceiverBoard);
    return entry;
}
