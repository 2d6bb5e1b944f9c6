#pragma once

#include "ClosedLines.h"
#include "CommError.h"
#include "LineSettings.h"
#include "SerialLines.h"
#include "Trace.h"
#include "TracedLines.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The serial-port component of a window: port number, line settings, opening and closing,
// the three modem-control outputs, the three status inputs and byte output.
// Line puts on a closed port do nothing and status reads give False; neither raises.
// A device that fails while open is closed at once and reported once (through the failure
// handler); from then on the component behaves as closed and counts as lost, until reopen()
// opens the port again or a PortOpen put ends the loss.
class MSComm {
public:
    // Opens COM `commPort` with the given settings or throws CommError.
    using Opener = std::function<std::unique_ptr<SerialLines>(int commPort, const LineSettings&)>;
    using FailureHandler = std::function<void(const std::string& message)>;

    struct Setup {
        Opener opener;
        Trace* trace = nullptr;
    };

    explicit MSComm(Setup setup);
    ~MSComm();
    MSComm(const MSComm&) = delete;
    MSComm& operator=(const MSComm&) = delete;

    void setFailureHandler(FailureHandler handler) { onFailure_ = std::move(handler); }
    // Hears every change of the port's state: opened, released, lost, or the loss ended.
    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }

    void setCommPort(std::int16_t port);
    int commPort() const { return commPort_; }
    // Throws CommError (InvalidValue) for a text that is not "baud,parity,data,stop".
    void setSettings(std::string_view text);
    // True opens the port numbered by CommPort or throws CommError; False releases it.
    void setPortOpen(bool open);
    bool PortOpen();
    // The device failed under the open port and nothing has opened or released it since.
    bool lost() const { return lost_; }
    // After a loss: opens the port again, with the same number and settings, and puts back the
    // levels of DTR, RTS and break last put since the port was opened (on a real device, a
    // kernel call only for a line the opening left otherwise). Throws CommError, and stays lost,
    // when the device cannot be opened yet.
    void reopen();
    // The open device's descriptor that polls as hung up once it is gone; -1 when none.
    int hangupFd() const { return port_ ? port_->hangupFd() : -1; }
    // The device's descriptor polled as hung up with no access to find it: true when the device
    // is indeed gone, which fails the port as a failed access does.
    bool hungUp();

    void setDTREnable(bool asserted);
    void setRTSEnable(bool asserted);
    void setBreak(bool on);
    bool CDHolding();
    bool CTSHolding();
    bool DSRHolding();
    // Every character's code (0 to 255) goes out as one byte, in order.
    void setOutput(std::string_view text);

private:
    void deviceFailed(const CommError& error);
    void endLoss();
    void changed();
    // Points the line accesses at the open port, or at the closed lines; through the trace if any.
    void route();

    Opener opener_;
    Trace* trace_;
    FailureHandler onFailure_;
    std::function<void()> onChange_;
    std::unique_ptr<SerialLines> port_;
    ClosedLines closed_;
    std::unique_ptr<TracedLines> traced_;
    SerialLines* lines_ = &closed_;  // what every line access goes to
    int commPort_ = 1;
    LineSettings settings_;
    bool lost_ = false;
    // The outputs as last put since the port was opened (puts while it is closed included, so
    // that a handler cut short by a loss leaves the levels it meant to end with); unset when
    // none was put.
    struct Levels {
        std::optional<bool> dtr, rts, brk;
    } levels_;
};

// The hot paths of the two-wire bus: one indirect call each, so that the component adds next
// to nothing to the cost of the line itself.

inline void MSComm::setDTREnable(bool asserted)
{
    levels_.dtr = asserted;
    try {
        lines_->setDtr(asserted);
    } catch (const CommError& e) {
        deviceFailed(e);
    }
}

inline void MSComm::setRTSEnable(bool asserted)
{
    levels_.rts = asserted;
    try {
        lines_->setRts(asserted);
    } catch (const CommError& e) {
        deviceFailed(e);
    }
}

inline bool MSComm::CDHolding()
{
    try {
        return lines_->cd();
    } catch (const CommError& e) {
        deviceFailed(e);
        return false;
    }
}
