#pragma once

#include "BoardHost.h"
#include "BusRecording.h"
#include "ComPorts.h"
#include "DeviceOpening.h"
#include "MSComm.h"
#include "ProgramOptions.h"
#include "Settle.h"

#include <functional>
#include <memory>

// What stands behind a program's COM ports: devices or the program's virtual board, with the
// trace of every component access and the dump of the bus lines when they are asked for. It
// joins four pieces: what the COM ports stand for (and the question when one finds no device),
// the opening of devices, the board, and the files recorded.
class PortEnvironment {
public:
    using BoardBuilder = BoardHost::Builder;
    using Choice = ComPorts::Choice;
    using Ask = ComPorts::Ask;

    // `devices` opens the real devices, each with the settle asked for its port;
    // `warn` gets one line for each thing that went wrong but stops nothing (a choice that
    // cannot be remembered).
    PortEnvironment(ProgramOptions options, PortAssignments ports, BoardBuilder buildBoard,
                    Trace::Clock::time_point epoch, DeviceOpener devices, PortAssignments::Warning warn);
    PortEnvironment(const PortEnvironment&) = delete;
    PortEnvironment& operator=(const PortEnvironment&) = delete;

    // Opens the trace file and the dump file (--vcd) that were asked for; false with `error`
    // filled when one cannot be written or the program drives no bus lines to dump.
    bool openRecords(QString& error)
    {
        return recording_.openTrace(error) && recording_.openVcd(board_.busLines(), board_, error);
    }
    MSComm::Setup setup();
    const DeviceOpener& devices() const { return devices_.opener(); }
    const ProgramOptions& options() const { return options_; }
    // The trace of the component's accesses; null while none is open.
    Trace* trace() const { return recording_.trace(); }
    // When the program started, what the trace, the dump and the bus log are timed from.
    Trace::Clock::time_point epoch() const { return recording_.epoch(); }
    // The settle asked for COMn: --settle and the one remembered for it.
    Settle::Asked settleAsked(int commPort) const;
    // COMn opened with no settle, for a check that times the status reads itself. Throws
    // CommError as an opening does; never asks for another device.
    std::unique_ptr<SerialLines> openUnsettled(int commPort, const LineSettings& settings = {});
    // The board behind the virtual ports; null while no port stands for it.
    Board* board() const { return board_.board(); }
    // `created` gets the board as soon as it exists: at once when a port stands for it already,
    // else when a port is first opened on it.
    void onBoard(std::function<void(Board&)> created) { board_.onBoard(std::move(created)); }
    // While set, an opening that finds no device behind a COM port that no option named asks
    // `ask` for another device, and again while the chosen one fails. Null: never ask.
    void askWhenMissing(Ask ask) { ports_.askWhenMissing(std::move(ask)); }
    // The user was asked and gave up.
    bool declined() const { return ports_.declined(); }
    const PortAssignments& ports() const { return ports_.assignments(); }
    // The device behind COM`commPort` as it was when last opened, to know it again by.
    DeviceIdentity identity(int commPort) const;
    // Where the identities of devices present are looked up.
    const std::string& sysfsRoot() const { return devices_.opener().sysfsRoot; }
    // COM`commPort`'s device came back under another name: the port stands for that one now,
    // for this run only.
    void deviceRenamed(int commPort, const QString& device) { ports_.deviceRenamed(commPort, device); }

private:
    // What COM`commPort` stands for now, opened with `settle`: the board, or a device through
    // the dump.
    std::unique_ptr<SerialLines> openNow(int commPort, const LineSettings& settings, const Settle::Asked& settle);

    ProgramOptions options_;
    BusRecording recording_;  // before the board, which its dump listens to until it goes
    BoardHost board_;
    ComPorts ports_;
    DeviceOpening devices_;
};
