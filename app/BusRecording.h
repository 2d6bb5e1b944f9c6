#pragma once

#include "BusLines.h"
#include "LineDump.h"
#include "PartListener.h"
#include "SerialLines.h"
#include "Trace.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <memory>

class BoardHost;
class VcdWriter;

// The files a run writes when asked: the trace of every access of the component (--trace) and
// the dump of the bus lines (--vcd), of a device's lines and of the virtual board's alike.
class BusRecording {
    Q_DECLARE_TR_FUNCTIONS(BusRecording)

public:
    // Empty names: no such file. Both are timed from `epoch`, when the program started.
    BusRecording(QString traceFile, QString vcdFile, Trace::Clock::time_point epoch);
    ~BusRecording();
    BusRecording(const BusRecording&) = delete;
    BusRecording& operator=(const BusRecording&) = delete;

    // Opens the trace file; false with `error` filled when it cannot be written.
    bool openTrace(QString& error);
    // Opens the dump file for the lines the program drives, the board's heard through `host`;
    // false with `error` filled when it cannot be written or the program drives no bus lines.
    bool openVcd(BusLines lines, BoardHost& host, QString& error);
    // Null while no trace is open.
    Trace* trace() const { return trace_.get(); }
    Trace::Clock::time_point epoch() const { return epoch_; }
    // A device's lines, through the dump when there is one.
    std::unique_ptr<SerialLines> dumped(std::unique_ptr<SerialLines> device);

private:
    QString traceName_;
    QString vcdName_;
    Trace::Clock::time_point epoch_;
    std::FILE* traceFile_ = nullptr;
    std::unique_ptr<Trace> trace_;
    std::FILE* vcdFile_ = nullptr;
    std::unique_ptr<VcdWriter> vcd_;
    std::unique_ptr<LineDump> portDump_;       // of a device's lines
    std::unique_ptr<PartListener> boardDump_;  // of the virtual board's
    bool vcdTwoWire_ = false;
    bool vcdSaidRebuilt_ = false;  // that a device's SDA is rebuilt from samples
};
