#pragma once

#include "Board.h"
#include "CommError.h"
#include "DeviceIdentity.h"
#include "DeviceOpener.h"
#include "LineDump.h"
#include "MSComm.h"
#include "PortAssignments.h"
#include "ProgramOptions.h"
#include "Trace.h"

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class VcdWriter;

// What stands behind a program's COM ports: devices or the program's virtual board, the trace
// of every component access and the dump of the bus lines when they are asked for.
class PortEnvironment {
public:
    using BoardBuilder = std::function<void(Board&)>;
    // The device the user chose for a COM port, and whether to keep it as the user's assignment.
    struct Choice {
        QString device;
        bool remember = true;
    };
    // Asked which device to use when COM`commPort` cannot be opened: nothing means give up.
    using Ask = std::function<std::optional<Choice>(int commPort, const CommError& failure)>;

    // `devices` opens the real devices, each with the settle asked for its port;
    // `warn` gets one line for each thing that went wrong but stops nothing (a choice that
    // cannot be remembered).
    PortEnvironment(ProgramOptions options, PortAssignments ports, BoardBuilder buildBoard,
                    Trace::Clock::time_point epoch, DeviceOpener devices, PortAssignments::Warning warn);
    ~PortEnvironment();
    PortEnvironment(const PortEnvironment&) = delete;
    PortEnvironment& operator=(const PortEnvironment&) = delete;

    // Opens the trace file; false with `error` filled when it cannot be written.
    bool openTrace(QString& error);
    // Opens the dump file (--vcd); false with `error` filled when it cannot be written or the
    // program drives no bus lines.
    bool openVcd(QString& error);
    MSComm::Setup setup();
    // The trace of the component's accesses; null while none is open.
    Trace* trace() const { return trace_.get(); }
    // When the program started, what the trace, the dump and the bus log are timed from.
    Trace::Clock::time_point epoch() const { return epoch_; }
    const DeviceOpener& devices() const { return devices_; }
    const ProgramOptions& options() const { return options_; }
    // The settle asked for COMn: --settle and the one remembered for it.
    Settle::Asked settleAsked(int commPort) const;
    // COMn opened with no settle, for a check that times the status reads itself. Throws
    // CommError as an opening does; never asks for another device.
    std::unique_ptr<SerialLines> openUnsettled(int commPort, const LineSettings& settings = {});
    // The board behind the virtual ports; null while no port stands for it.
    Board* board() const { return board_.get(); }
    // `created` gets the board as soon as it exists: at once when a port stands for it already,
    // else when a port is first opened on it.
    void onBoard(std::function<void(Board&)> created);
    // While set, an opening that finds no device behind a COM port that no option named asks
    // `ask` for another device, and again while the chosen one fails. Null: never ask.
    void askWhenMissing(Ask ask) { ask_ = std::move(ask); }
    // The user was asked and gave up.
    bool declined() const { return declined_; }
    const PortAssignments& ports() const { return ports_; }
    // The device behind COM`commPort` as it was when last opened, to know it again by.
    DeviceIdentity identity(int commPort) const;
    // Where the identities of devices present are looked up.
    const std::string& sysfsRoot() const { return devices_.sysfsRoot; }
    // COM`commPort`'s device came back under another name: the port stands for that one now,
    // for this run only.
    void deviceRenamed(int commPort, const QString& device) { ports_.choose(commPort, device); }

private:
    std::unique_ptr<SerialLines> open(int commPort, const LineSettings& settings);
    std::unique_ptr<SerialLines> openDevice(int commPort, const LineSettings& settings, const Settle::Asked& settle);
    // The board, built with the program's experiment the first time it is needed.
    Board& boardMade();
    // A device's lines, through the dump when there is one.
    std::unique_ptr<SerialLines> dumped(std::unique_ptr<SerialLines> device);

    ProgramOptions options_;
    PortAssignments ports_;
    BoardBuilder buildBoard_;
    Trace::Clock::time_point epoch_;
    DeviceOpener devices_;
    PortAssignments::Warning warn_;
    std::unique_ptr<Board> board_;
    std::function<void(Board&)> boardCreated_;
    Ask ask_;
    bool declined_ = false;
    std::FILE* traceFile_ = nullptr;
    std::unique_ptr<Trace> trace_;
    std::FILE* vcdFile_ = nullptr;
    std::unique_ptr<VcdWriter> vcd_;
    std::unique_ptr<LineDump> portDump_;       // of a device's lines
    std::unique_ptr<PartListener> boardDump_;  // of the virtual board's
    bool vcdTwoWire_ = false;
    bool vcdSaidRebuilt_ = false;  // that a device's SDA is rebuilt from samples
    std::map<int, DeviceIdentity> identities_;  // of the devices opened, by COM port
};
