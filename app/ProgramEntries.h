#pragma once

#include "Program.h"

// Each program's entry, made in the program's own folder, in a library of its own
// (<program>_program) that links that program's window and no other.
const Program& thermReadProgram();
const Program& thermConfProgram();
const Program& adcPanelProgram();
const Program& ioPanelProgram();
const Program& shiftOutProgram();
const Program& serialOutProgram();
const Program& lineProbeProgram();
