#pragma once

#include "Readings.h"

class OutputPanelWindow;

// The word the sixteen buttons show: D15 … D0 as digital traces, then the word itself.
Readings outputWordReadings(OutputPanelWindow& window);
