#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <chrono>
#include <optional>

// What the command line may add to a program; with no options it behaves exactly as built.
struct ProgramOptions {
    static constexpr int MappedPorts = 4;
    static constexpr const char* Virtual = "virtual";

    // What COM1 … COM4 mean: a device path, or "virtual" for the virtual board.
    std::array<QString, MappedPorts> com{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyS1"),
                                         QStringLiteral("/dev/ttyS2"), QStringLiteral("/dev/ttyS3")};
    // Trace file, "-" for standard error; empty for none.
    QString trace;
    // File for the virtual board's monitor lines; empty for none.
    QString busLog;
    // Value Change Dump of the bus lines; empty for none.
    QString vcd;
    // The wait before a status read after a line change, for every port, in place of what the
    // device's driver needs (0: none); unset: the driver's own.
    std::optional<std::chrono::microseconds> settle;
    // Print the serial devices present and end.
    bool listPorts = false;

    // The device of COMn (n from 1); ports above COM4 are /dev/ttyS(n-1).
    QString device(int commPort) const;
    bool anyVirtual() const;

    // Parses the arguments (argv[0] first). On --help, --version or an error, fills `exitText`
    // and `exitCode` and gives nothing.
    static std::optional<ProgramOptions> parse(const QStringList& arguments, QString& exitText, int& exitCode);
};
