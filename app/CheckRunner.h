#pragma once

#include "CheckedPort.h"
#include "Program.h"
#include "ProgramOptions.h"

class BoardCheck;
class PortEnvironment;

// The check of the board and the adapter as a program runs it (--check, --check-window): the
// port it checks filled in from what the program's COM port stands for, and the settle it
// measured kept in the user's port assignments.
namespace CheckRunner {

// COM`commPort` of `environment`, for a check of `program`.
CheckedPort checkedPort(const Program& program, PortEnvironment& environment, int commPort);
// Keeps the settle `check` measured for its COM port; false with `error` filled when there is
// none worth keeping or the file cannot be written.
bool keepSettle(const BoardCheck& check, QString& error);
// --check: the report on standard output as it grows; the program's status.
int onTerminal(const Program& program, const ProgramOptions& options, PortEnvironment& environment);
// --check-window, in the application's event loop; the program's status.
int inWindow(const Program& program, const ProgramOptions& options, PortEnvironment& environment);

} // namespace CheckRunner
