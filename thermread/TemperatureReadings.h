#pragma once

#include "Readings.h"

class ThermReadWindow;

// The temperature the window shows, in °C, over the sensor's range; a plot may run Read Temp
// at regular times.
Readings temperatureReadings(ThermReadWindow& window);
