#include "BusRecording.h"

#include "BoardDump.h"
#include "BoardHost.h"
#include "DumpedLines.h"
#include "ShiftLinesDump.h"
#include "TwoWireDump.h"
#include "VcdWriter.h"

#include <cerrno>
#include <cstring>

BusRecording::BusRecording(QString traceFile, QString vcdFile, Trace::Clock::time_point epoch)
    : traceName_(std::move(traceFile)), vcdName_(std::move(vcdFile)), epoch_(epoch)
{
}

BusRecording::~BusRecording()
{
    portDump_.reset();  // its last bit cell goes out first
    vcd_.reset();
    if (vcdFile_)
        std::fclose(vcdFile_);
    if (traceFile_ && traceFile_ != stderr)
        std::fclose(traceFile_);
}

bool BusRecording::openTrace(QString& error)
{
    if (traceName_.isEmpty())
        return true;
    if (traceName_ == u"-") {
        traceFile_ = stderr;
    } else {
        traceFile_ = std::fopen(traceName_.toLocal8Bit().constData(), "w");
        if (!traceFile_) {
            error = tr("cannot write the trace file %1: %2").arg(traceName_, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    trace_ = std::make_unique<Trace>(traceFile_, epoch_);
    return true;
}

bool BusRecording::openVcd(BusLines lines, BoardHost& host, QString& error)
{
    if (vcdName_.isEmpty())
        return true;
    if (lines == BusLines::None) {
        error = tr("--vcd: this program drives no bus lines (only the two-wire programs and shiftout do)");
        return false;
    }
    vcdFile_ = std::fopen(vcdName_.toLocal8Bit().constData(), "w");
    if (!vcdFile_) {
        //: The dump: the Value Change Dump (VCD) of the bus lines.
        error = tr("cannot write the dump file %1: %2").arg(vcdName_, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const std::vector<std::string>& wires = busWires(lines);
    vcd_ = std::make_unique<VcdWriter>(vcdFile_, wires, std::vector<bool>(wires.size(), true), epoch_);
    vcdTwoWire_ = lines == BusLines::TwoWire;
    if (vcdTwoWire_)
        portDump_ = std::make_unique<TwoWireDump>(*vcd_);
    else
        portDump_ = std::make_unique<ShiftLinesDump>(*vcd_);
    boardDump_ = std::make_unique<BoardDump>(*vcd_);
    host.listen(*boardDump_);
    return true;
}

std::unique_ptr<SerialLines> BusRecording::dumped(std::unique_ptr<SerialLines> device)
{
    if (!vcd_)
        return device;
    // Said once, in the header when the device is the first port whose lines change.
    if (vcdTwoWire_ && !vcdSaidRebuilt_) {
        vcdSaidRebuilt_ = true;
        if (vcd_->headerWritten())
            vcd_->comment(TwoWireDump::Rebuilt);
        else
            vcd_->writeHeader(TwoWireDump::Rebuilt);
    }
    return std::make_unique<DumpedLines>(*portDump_, std::move(device));
}
