#pragma once

#include "Board.h"
#include "MSComm.h"
#include "ProgramOptions.h"
#include "Trace.h"

#include <cstdio>
#include <functional>
#include <memory>

// What stands behind a program's COM ports: devices or the program's virtual board, and the
// trace of every component access when one is asked for.
class PortEnvironment {
public:
    using BoardBuilder = std::function<void(Board&)>;

    PortEnvironment(ProgramOptions options, BoardBuilder buildBoard, Trace::Clock::time_point epoch);
    ~PortEnvironment();
    PortEnvironment(const PortEnvironment&) = delete;
    PortEnvironment& operator=(const PortEnvironment&) = delete;

    // Opens the trace file; false with `error` filled when it cannot be written.
    bool openTrace(QString& error);
    MSComm::Setup setup();
    // The board behind the virtual ports; null when no port is virtual.
    Board* board() const { return board_.get(); }

private:
    std::unique_ptr<SerialLines> open(int commPort, const LineSettings& settings);

    ProgramOptions options_;
    Trace::Clock::time_point epoch_;
    std::unique_ptr<Board> board_;
    std::FILE* traceFile_ = nullptr;
    std::unique_ptr<Trace> trace_;
};
