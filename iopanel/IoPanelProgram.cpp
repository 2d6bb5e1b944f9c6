#include "IoPanelWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& ioPanelProgram()
{
    static const Program entry = programEntry<IoPanelWindow>("iopanel", &experiments::expanderBoard, true);
    return entry;
}
