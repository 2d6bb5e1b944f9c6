#include "ThermReadWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& thermReadProgram()
{
    static const Program entry = programEntry<ThermReadWindow>("thermread", &experiments::sensorBoard);
    return entry;
}
