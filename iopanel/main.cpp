#include "ProgramEntries.h"
#include "ProgramRunner.h"

int main(int argc, char** argv) { return runProgram(argc, argv, ioPanelProgram()); }
