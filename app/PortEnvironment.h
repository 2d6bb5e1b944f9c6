#pragma once

#include "Board.h"
#include "LineDump.h"
#include "MSComm.h"
#include "ProgramOptions.h"
#include "Trace.h"

#include <cstdio>
#include <functional>
#include <memory>

class VcdWriter;

// What stands behind a program's COM ports: devices or the program's virtual board, the trace
// of every component access and the dump of the bus lines when they are asked for.
class PortEnvironment {
public:
    using BoardBuilder = std::function<void(Board&)>;

    PortEnvironment(ProgramOptions options, BoardBuilder buildBoard, Trace::Clock::time_point epoch);
    ~PortEnvironment();
    PortEnvironment(const PortEnvironment&) = delete;
    PortEnvironment& operator=(const PortEnvironment&) = delete;

    // Opens the trace file; false with `error` filled when it cannot be written.
    bool openTrace(QString& error);
    // Opens the dump file (--vcd); false with `error` filled when it cannot be written or the
    // program drives no bus lines.
    bool openVcd(QString& error);
    MSComm::Setup setup();
    // The board behind the virtual ports; null when no port is virtual.
    Board* board() const { return board_.get(); }

private:
    std::unique_ptr<SerialLines> open(int commPort, const LineSettings& settings);
    // A device's lines, through the dump when there is one.
    std::unique_ptr<SerialLines> dumped(std::unique_ptr<SerialLines> device);

    ProgramOptions options_;
    Trace::Clock::time_point epoch_;
    std::unique_ptr<Board> board_;
    std::FILE* traceFile_ = nullptr;
    std::unique_ptr<Trace> trace_;
    BoardBuilder buildBoard_;
    std::FILE* vcdFile_ = nullptr;
    std::unique_ptr<VcdWriter> vcd_;
    std::unique_ptr<LineDump> portDump_;       // of a device's lines
    std::unique_ptr<PartListener> boardDump_;  // of the virtual board's
    bool vcdTwoWire_ = false;
    bool vcdSaidRebuilt_ = false;  // that a device's SDA is rebuilt from samples
};
