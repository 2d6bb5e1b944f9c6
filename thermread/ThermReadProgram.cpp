#include "ThermReadWindow.h"
#include "Experiments.h"
#include "ProgramEntries.h"
#include "ProgramEntry.h"
#include "TemperatureReadings.h"

const Program& thermReadProgram()
{
    static const Program entry = programEntry<ThermReadWindow>("thermread", &experiments::sensorBoard, &temperatureReadings);
    return entry;
}
