#pragma once

#include "PortAssignments.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <optional>

// What the command line may add to a program; with no options it behaves exactly as built.
struct ProgramOptions {
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)

public:
    // What COM1 … COM4 mean where an option says so: a device path, or "virtual" for the
    // virtual board; empty where none does (the port assignments then tell).
    std::array<QString, PortAssignments::Ports> com;
    // Trace file, "-" for standard error; empty for none.
    QString trace;
    // File for the virtual board's monitor lines; empty for none.
    QString busLog;
    // Value Change Dump of the bus lines; empty for none.
    QString vcd;
    // The wait before a status read after a line change, for every port, in place of what the
    // device's driver needs (0: none); unset: the driver's own.
    std::optional<std::chrono::microseconds> settle;
    // Print the serial devices present and what COM1 … COM4 stand for, and end.
    bool listPorts = false;
    // Ask which device the program's port stands for, remember it, then start.
    bool choosePort = false;
    // Check the board and the adapter behind that COM port, print a report and end; 0: none.
    int check = 0;
    // The same in a small window (a display needed).
    bool checkWindow = false;
    // Keep the settle the check measured in the user's port assignments.
    bool rememberSettle = false;
    // Open the plot window with the program's window.
    bool plot = false;
    // CSV file that records what the window shows; empty for none.
    QString record;

    // Parses the arguments (argv[0] first). On --help, --version or an error, fills `exitText`
    // and `exitCode` and gives nothing.
    // Why --bus-log was refused: it needs a file, and a port that stands for the virtual board.
    // Translated where it is said.
    static constexpr const char* BusLogUsage =
        QT_TRANSLATE_NOOP("ProgramOptions", "--bus-log needs a file and a port mapped to 'virtual' (e.g. --com1=virtual)\n");

    static std::optional<ProgramOptions> parse(const QStringList& arguments, QString& exitText, int& exitCode);
};
