#include "ProgramRunner.h"
#include "Programs.h"

int main(int argc, char** argv) { return runProgram(argc, argv, program("thermread")); }
