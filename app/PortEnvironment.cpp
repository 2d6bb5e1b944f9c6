#include "PortEnvironment.h"

#include "BoardDump.h"
#include "BusLines.h"
#include "DeviceOpener.h"
#include "DumpedLines.h"
#include "SerialPortList.h"
#include "ShiftLinesDump.h"
#include "TwoWireDump.h"
#include "VcdWriter.h"
#include "VirtualPort.h"

#include <cerrno>
#include <cstring>

PortEnvironment::PortEnvironment(ProgramOptions options, BoardBuilder buildBoard, Trace::Clock::time_point epoch)
    : options_(std::move(options)), epoch_(epoch), buildBoard_(buildBoard)
{
    if (options_.anyVirtual()) {
        board_ = std::make_unique<Board>();
        if (buildBoard)
            buildBoard(*board_);
    }
}

PortEnvironment::~PortEnvironment()
{
    if (board_ && boardDump_)
        board_->removeListener(boardDump_.get());
    portDump_.reset();  // its last bit cell goes out first
    vcd_.reset();
    if (vcdFile_)
        std::fclose(vcdFile_);
    if (traceFile_ && traceFile_ != stderr)
        std::fclose(traceFile_);
}

bool PortEnvironment::openTrace(QString& error)
{
    if (options_.trace.isEmpty())
        return true;
    if (options_.trace == u"-") {
        traceFile_ = stderr;
    } else {
        traceFile_ = std::fopen(options_.trace.toLocal8Bit().constData(), "w");
        if (!traceFile_) {
            error = QStringLiteral("cannot write the trace file %1: %2").arg(options_.trace, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    trace_ = std::make_unique<Trace>(traceFile_, epoch_);
    return true;
}

bool PortEnvironment::openVcd(QString& error)
{
    if (options_.vcd.isEmpty())
        return true;
    Board drawn;  // the program's board, looked at whether or not a port is virtual
    if (buildBoard_)
        buildBoard_(drawn);
    const BusLines lines = busLinesOf(drawn);
    if (lines == BusLines::None) {
        error = QStringLiteral("--vcd: this program drives no bus lines (only the two-wire programs and shiftout do)");
        return false;
    }
    vcdFile_ = std::fopen(options_.vcd.toLocal8Bit().constData(), "w");
    if (!vcdFile_) {
        error = QStringLiteral("cannot write the dump file %1: %2").arg(options_.vcd, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const std::vector<std::string>& wires = busWires(lines);
    vcd_ = std::make_unique<VcdWriter>(vcdFile_, wires, std::vector<bool>(wires.size(), true), epoch_);
    vcdTwoWire_ = lines == BusLines::TwoWire;
    if (vcdTwoWire_)
        portDump_ = std::make_unique<TwoWireDump>(*vcd_);
    else
        portDump_ = std::make_unique<ShiftLinesDump>(*vcd_);
    if (board_) {
        boardDump_ = std::make_unique<BoardDump>(*vcd_);
        board_->addListener(boardDump_.get());
    }
    return true;
}

std::unique_ptr<SerialLines> PortEnvironment::dumped(std::unique_ptr<SerialLines> device)
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

MSComm::Setup PortEnvironment::setup()
{
    return MSComm::Setup{[this](int port, const LineSettings& settings) { return open(port, settings); }, trace_.get()};
}

std::unique_ptr<SerialLines> PortEnvironment::open(int commPort, const LineSettings& settings)
{
    QString device = options_.device(commPort);
    if (device == QLatin1String(ProgramOptions::Virtual))
        return std::make_unique<VirtualPort>(*board_, settings);
    try {
        return dumped(DeviceOpener{options_.settle}.open("COM" + std::to_string(commPort), device.toStdString(), settings));
    } catch (const CommError& e) {
        if (e.kind() != CommError::Kind::NoSuchDevice)
            throw;
        // The default names a built-in port that a machine with only a USB adapter lacks.
        throw CommError(e.kind(), e.what() + std::string("\n") +
                                      SerialPortList::hint(SerialPortList::present(options_.settle), commPort));
    }
}
