#include "LineProbeWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& lineProbeProgram()
{
    static const Program entry = programEntry<LineProbeWindow>("lineprobe", &experiments::statusInputsBoard);
    return entry;
}
