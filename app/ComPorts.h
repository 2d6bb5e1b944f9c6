#pragma once

#include "CommError.h"
#include "PortAssignments.h"
#include "SerialLines.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// What COM1 … COM4 stand for in this run, and the question asked when one finds no device at
// start-up: the answer is tried, asked for again while it fails, and kept when the user says so.
class ComPorts {
    Q_DECLARE_TR_FUNCTIONS(ComPorts)

public:
    // The device the user chose for a COM port, and whether to keep it as the user's assignment.
    struct Choice {
        QString device;
        bool remember = true;
    };
    // Asked which device to use when COM`commPort` cannot be opened: nothing means give up.
    using Ask = std::function<std::optional<Choice>(int commPort, const CommError& failure)>;
    // Opens what COMn stands for now; throws CommError.
    using Opening = std::function<std::unique_ptr<SerialLines>()>;

    // `warn` gets one line for a choice that cannot be remembered.
    ComPorts(PortAssignments ports, PortAssignments::Warning warn) : ports_(std::move(ports)), warn_(std::move(warn)) {}

    const PortAssignments& assignments() const { return ports_; }
    // Opens COM`commPort` with `opening`, asking for another device as askWhenMissing says.
    std::unique_ptr<SerialLines> open(int commPort, const Opening& opening);
    // While set, an opening that finds no device behind a COM port that no option named asks
    // `ask` for another device, and again while the chosen one fails. Null: never ask.
    void askWhenMissing(Ask ask) { ask_ = std::move(ask); }
    // The user was asked and gave up.
    bool declined() const { return declined_; }
    // COM`commPort`'s device came back under another name: the port stands for that one now,
    // for this run only.
    void deviceRenamed(int commPort, const QString& device) { ports_.choose(commPort, device); }

private:
    PortAssignments ports_;
    PortAssignments::Warning warn_;
    Ask ask_;
    bool declined_ = false;
};
