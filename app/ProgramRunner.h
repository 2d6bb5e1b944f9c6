#pragma once

#include "Program.h"

// Parses the options, creates the window, runs its Form_Load and the event loop. When a port is
// `virtual`, the program's experiment goes on the virtual board and the board's window opens.
// A port that cannot be opened at start-up is reported (box and standard error): status 1; so
// is a device lost while the program runs, unless the program lets the user pick another port.
// --list-ports prints the serial devices present and needs no display.
int runProgram(int argc, char** argv, const Program& program);
