#pragma once

#include "DeviceOpener.h"
#include "Program.h"

// Parses the options, creates the window, runs its Form_Load and the event loop. When a port is
// `virtual`, the program's experiment goes on the virtual board and the board's window opens.
// COM1 … COM4 stand for what the options, the user's and the computer's port assignments say.
// When the device behind a port that no option named is missing at start-up, a dialog asks
// which to use instead; a port that cannot be opened otherwise is reported (box and standard
// error): status 1. A device lost while the program runs leaves the window waiting for it
// (LostDevice), and the program carries on when it is back. --list-ports prints the serial
// devices present and what the COM ports stand for, and needs no display; --choose-port asks
// before starting; --check and --check-window check the board and the adapter. `devices` opens
// the real devices (tests give it a kernel-call seam).
int runProgram(int argc, char** argv, const Program& program, const DeviceOpener& devices = {});
