#pragma once

#include "MonotonicClock.h"
#include "SerialLines.h"
#include "Settle.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class Board;
class Trace;

// What a check is given by the program that runs it: the COM port and what stands behind it,
// the settle asked for it, a way to open it with no settle (the check times the status reads
// itself), and the program with the board it is built for.
struct CheckedPort {
    int commPort = 1;
    // The device's path; empty when the port stands for the virtual board.
    std::string device;
    // The settle asked for the port (--settle, the one remembered); the driver's default after them.
    Settle::Asked settle;
    // Throws CommError as an opening does.
    std::function<std::unique_ptr<SerialLines>()> openUnsettled;
    MonotonicClock* clock = &MonotonicClock::system();
    std::string sysfsRoot = "/sys";
    // The trace of the component's accesses during the bus scan; null for none.
    Trace* trace = nullptr;
    QString programName;
    std::function<void(Board&)> buildBoard;
};
