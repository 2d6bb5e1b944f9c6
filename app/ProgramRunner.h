#pragma once

#include "FormWindow.h"
#include "PortEnvironment.h"

#include <QString>

#include <functional>
#include <memory>

struct ProgramInfo {
    QString name;
    // Puts the parts of this program's experiment on the virtual board.
    PortEnvironment::BoardBuilder buildBoard;
    std::function<std::unique_ptr<FormWindow>(MSComm::Setup)> createWindow;
};

// Parses the options, creates the window, runs its Form_Load and the event loop.
// A port that cannot be opened at start-up is reported (box and standard error): status 1.
int runProgram(int argc, char** argv, const ProgramInfo& info);
