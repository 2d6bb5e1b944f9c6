#include "ThermConfWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& thermConfProgram()
{
    static const Program entry = programEntry<ThermConfWindow>("thermconf", &experiments::sensorBoard);
    return entry;
}
