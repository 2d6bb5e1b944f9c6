#include "PortEnvironment.h"

#include "DeviceOpener.h"
#include "SerialPortList.h"
#include "VirtualPort.h"

#include <cerrno>
#include <cstring>

PortEnvironment::PortEnvironment(ProgramOptions options, BoardBuilder buildBoard, Trace::Clock::time_point epoch)
    : options_(std::move(options)), epoch_(epoch)
{
    if (options_.anyVirtual()) {
        board_ = std::make_unique<Board>();
        if (buildBoard)
            buildBoard(*board_);
    }
}

PortEnvironment::~PortEnvironment()
{
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
        return DeviceOpener{options_.settle}.open("COM" + std::to_string(commPort), device.toStdString(), settings);
    } catch (const CommError& e) {
        if (e.kind() != CommError::Kind::NoSuchDevice)
            throw;
        // The default names a built-in port that a machine with only a USB adapter lacks.
        throw CommError(e.kind(), e.what() + std::string("\n") +
                                      SerialPortList::hint(SerialPortList::present(options_.settle), commPort));
    }
}
