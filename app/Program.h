#pragma once

#include "FormWindow.h"
#include "Readings.h"

#include <QString>

#include <functional>
#include <memory>
#include <typeinfo>

class Board;

// One program of the suite: its name, its window, and the experiment it drives, which the
// runner puts on the virtual board when a port is `virtual`.
struct Program {
    QString name;
    // What desktops know the program by: its desktop entry (without ".desktop") and its icon,
    // in the icon theme and built into the program.
    QString desktopId;
    std::function<std::unique_ptr<FormWindow>(MSComm::Setup)> createWindow;
    std::function<void(Board&)> buildBoard;
    // The class of the window, so that code holding a window class finds its program.
    const std::type_info* windowClass = nullptr;
    // The user picks the port in the window (iopanel): --choose-port asks what each of COM1 to
    // COM4 stands for, not COM1 alone.
    bool choosesPort = false;
    // What the window shows that its plot and recording follow.
    std::function<Readings(FormWindow&)> readings;
};
