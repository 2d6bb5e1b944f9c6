#include "PortEnvironment.h"

#include "BoardDump.h"
#include "BusLines.h"
#include "DumpedLines.h"
#include "PermissionAdvice.h"
#include "SerialPortList.h"
#include "ShiftLinesDump.h"
#include "TwoWireDump.h"
#include "VcdWriter.h"
#include "VirtualPort.h"

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string userName()
{
    const passwd* user = ::getpwuid(::getuid());
    return user ? user->pw_name : "$USER";
}

} // namespace

PortEnvironment::PortEnvironment(ProgramOptions options, PortAssignments ports, BoardBuilder buildBoard,
                                 Trace::Clock::time_point epoch, DeviceOpener devices, PortAssignments::Warning warn)
    : options_(std::move(options)), ports_(std::move(ports)), buildBoard_(std::move(buildBoard)), epoch_(epoch),
      devices_(std::move(devices)), warn_(std::move(warn))
{
    if (ports_.anyVirtual())
        boardMade();
}

Board& PortEnvironment::boardMade()
{
    if (!board_) {
        board_ = std::make_unique<Board>();
        if (buildBoard_)
            buildBoard_(*board_);
        if (boardDump_)
            board_->addListener(boardDump_.get());
        if (boardCreated_)
            boardCreated_(*board_);
    }
    return *board_;
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
    boardDump_ = std::make_unique<BoardDump>(*vcd_);
    if (board_)
        board_->addListener(boardDump_.get());
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

DeviceIdentity PortEnvironment::identity(int commPort) const
{
    auto known = identities_.find(commPort);
    if (known != identities_.end())
        return known->second;
    DeviceIdentity unknown;
    unknown.path = ports_.device(commPort).toStdString();
    return unknown;
}

void PortEnvironment::onBoard(std::function<void(Board&)> created)
{
    boardCreated_ = std::move(created);
    if (board_ && boardCreated_)
        boardCreated_(*board_);
}

std::unique_ptr<SerialLines> PortEnvironment::open(int commPort, const LineSettings& settings)
{
    std::optional<Choice> choice;
    std::optional<CommError> missing;
    for (;;) {
        try {
            auto port = openDevice(commPort, settings, settleAsked(commPort));
            QString error;
            // Only once it opened: a choice that does not work is not worth keeping.
            if (choice && choice->remember && !PortAssignments::remember(commPort, choice->device, error))
                warn_(error + QStringLiteral("; COM%1 stands for %2 this time only").arg(commPort).arg(choice->device));
            return port;
        } catch (const CommError& e) {
            const bool named = commPort > PortAssignments::Ports || ports_.of(commPort).source == PortAssignments::Source::Option;
            // A start-up that finds no device asks; a device the user chose is asked for again
            // whatever went wrong with it.
            if (!ask_ || named || (!choice && e.kind() != CommError::Kind::NoSuchDevice))
                throw;
            if (!missing)
                missing = e;
            choice = ask_(commPort, e);
            if (!choice) {
                declined_ = true;
                throw *missing;  // the device not found, whatever the choices since met
            }
            ports_.choose(commPort, choice->device);
        }
    }
}

Settle::Asked PortEnvironment::settleAsked(int commPort) const
{
    if (commPort < 1 || commPort > PortAssignments::Ports)
        return {options_.settle, {}};
    return {options_.settle, ports_.settle(commPort)};
}

std::unique_ptr<SerialLines> PortEnvironment::openUnsettled(int commPort, const LineSettings& settings)
{
    return openDevice(commPort, settings, {std::chrono::microseconds::zero(), {}});
}

std::unique_ptr<SerialLines> PortEnvironment::openDevice(int commPort, const LineSettings& settings,
                                                         const Settle::Asked& settle)
{
    const QString device = ports_.device(commPort);
    if (device == QLatin1String(PortAssignments::Virtual))
        return std::make_unique<VirtualPort>(boardMade(), settings);
    try {
        auto port = dumped(devices_.open("COM" + std::to_string(commPort), device.toStdString(), settings, settle));
        // Now, while sysfs still has it: when it is pulled, only the identity is left.
        identities_[commPort] = DeviceIdentity::of(device.toStdString(), devices_.sysfsRoot);
        return port;
    } catch (const CommError& e) {
        const std::string path = device.toStdString();
        std::string message = e.what();
        if (e.kind() == CommError::Kind::PermissionDenied) {
            // A built-in port name with no UART behind it refuses a user outside the dialout
            // group before it could say that it is missing.
            if (const DeviceFacts facts = DeviceFacts::of(path, devices_.sysfsRoot); facts.uart)
                throw CommError(e.kind(), message + "\n" + PermissionAdvice::forDevice(facts, userName()));
            message = "COM" + std::to_string(commPort) + " (" + path + "): no serial port behind this name";
        } else if (e.kind() != CommError::Kind::NoSuchDevice) {
            throw;
        }
        // The default names a built-in port that a machine with only a USB adapter lacks.
        throw CommError(CommError::Kind::NoSuchDevice,
                        message + "\n" + SerialPortList::hint(SerialPortList::present(options_.settle), commPort));
    }
}
