#pragma once

#include "CommError.h"
#include "LineSettings.h"
#include "SerialLines.h"
#include "Trace.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// The serial-port component of a window: port number, line settings, opening and closing,
// the three modem-control outputs, the three status inputs and byte output.
// Line puts on a closed port do nothing and status reads give False; neither raises.
// A device that fails while open is reported once (through the failure handler) and closed;
// from then on the component behaves as closed.
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

    void setCommPort(std::int16_t port);
    int commPort() const { return commPort_; }
    // Throws CommError (InvalidValue) for a text that is not "baud,parity,data,stop".
    void setSettings(std::string_view text);
    // True opens the port numbered by CommPort or throws CommError; False releases it.
    void setPortOpen(bool open);
    bool PortOpen();

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
    void putFailed(std::string_view property, bool value, const CommError& error);

    Opener opener_;
    Trace* trace_;
    FailureHandler onFailure_;
    std::unique_ptr<SerialLines> lines_;
    int commPort_ = 1;
    LineSettings settings_;
};

// The hot paths of the two-wire bus: kept inline so that the component adds next to nothing
// to the cost of the line itself.

inline void MSComm::setDTREnable(bool asserted)
{
    if (lines_) {
        try {
            lines_->setDtr(asserted);
        } catch (const CommError& e) {
            putFailed("DTREnable", asserted, e);
            return;
        }
    }
    if (trace_) [[unlikely]]
        trace_->put("DTREnable", asserted);
}

inline void MSComm::setRTSEnable(bool asserted)
{
    if (lines_) {
        try {
            lines_->setRts(asserted);
        } catch (const CommError& e) {
            putFailed("RTSEnable", asserted, e);
            return;
        }
    }
    if (trace_) [[unlikely]]
        trace_->put("RTSEnable", asserted);
}

inline bool MSComm::CDHolding()
{
    bool asserted = false;
    if (lines_) {
        try {
            asserted = lines_->cd();
        } catch (const CommError& e) {
            deviceFailed(e);
        }
    }
    if (trace_) [[unlikely]]
        trace_->get("CDHolding", asserted);
    return asserted;
}
