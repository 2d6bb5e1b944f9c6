#include "AdcPanelWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"

const Program& adcPanelProgram()
{
    static const Program entry = programEntry<AdcPanelWindow>("adcpanel", &experiments::converterBoard);
    return entry;
}
