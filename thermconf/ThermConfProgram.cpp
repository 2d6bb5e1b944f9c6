#include "ThermConfWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include "TemperatureReadings.h"

const Program& thermConfProgram()
{
    static const Program entry = programEntry<ThermConfWindow>("thermconf", &experiments::sensorBoard,
                                                               [](ThermConfWindow& w) { return temperatureReadings(w); });
    return entry;
}
