#include "MSComm.h"

#include <utility>

MSComm::MSComm(Setup setup) : opener_(std::move(setup.opener)), trace_(setup.trace)
{
    if (trace_)
        traced_ = std::make_unique<TracedLines>(*trace_, &closed_);
    route();
}

MSComm::~MSComm() = default;

void MSComm::route()
{
    SerialLines* target = port_ ? port_.get() : static_cast<SerialLines*>(&closed_);
    if (traced_) {
        traced_->retarget(target);
        lines_ = traced_.get();
    } else {
        lines_ = target;
    }
}

void MSComm::setCommPort(std::int16_t port)
{
    std::string failure;
    if (port < 1 || port > 16)
        failure = "port number " + std::to_string(port) + " is out of range (1 to 16)";
    else
        commPort_ = port;
    if (trace_)
        trace_->put("CommPort", long(port), failure);
    if (!failure.empty())
        throw CommError(CommError::Kind::InvalidValue, failure);
}

void MSComm::setSettings(std::string_view text)
{
    auto parsed = LineSettings::parse(text);
    std::string failure;
    if (parsed)
        settings_ = *parsed;
    else
        failure = "invalid settings \"" + std::string(text) + "\" (expected baud,parity,data bits,stop bits)";
    if (trace_)
        trace_->putText("Settings", text, failure);
    if (!failure.empty())
        throw CommError(CommError::Kind::InvalidValue, failure);
}

void MSComm::setPortOpen(bool open)
{
    endLoss();  // whatever the put does, the user has chosen
    try {
        if (open) {
            if (port_)
                throw CommError(CommError::Kind::AlreadyOpen, "COM" + std::to_string(commPort_) + " is already open");
            if (!opener_)
                throw CommError(CommError::Kind::NoSuchDevice,
                                "COM" + std::to_string(commPort_) + ": no device is configured");
            port_ = opener_(commPort_, settings_);
            levels_ = {};
        } else {
            port_.reset();
        }
    } catch (const CommError& e) {
        route();
        if (trace_)
            trace_->put("PortOpen", open, e.what());
        throw;
    }
    route();
    if (trace_)
        trace_->put("PortOpen", open);
    changed();
}

bool MSComm::PortOpen()
{
    bool open = port_ != nullptr;
    if (trace_)
        trace_->get("PortOpen", open);
    return open;
}

void MSComm::reopen()
{
    if (!lost_)
        return;
    auto port = opener_(commPort_, settings_);
    // Below the trace: not the program's puts but the component keeping its own. A device that
    // fails here goes again with `port`, and the port stays lost.
    if (levels_.dtr)
        port->setDtr(*levels_.dtr);
    if (levels_.rts)
        port->setRts(*levels_.rts);
    if (levels_.brk)
        port->setBreak(*levels_.brk);
    port_ = std::move(port);
    route();
    endLoss();
}

void MSComm::endLoss()
{
    if (std::exchange(lost_, false))
        changed();
}

void MSComm::changed()
{
    if (onChange_)
        onChange_();
}

bool MSComm::hungUp()
{
    if (!port_)
        return false;
    // One status read, below the trace, tells (in the device's own words) whether it is gone.
    try {
        port_->cd();
        return false;
    } catch (const CommError& e) {
        deviceFailed(e);
        return true;
    }
}

void MSComm::setBreak(bool on)
{
    levels_.brk = on;
    try {
        lines_->setBreak(on);
    } catch (const CommError& e) {
        deviceFailed(e);
    }
}

bool MSComm::CTSHolding()
{
    try {
        return lines_->cts();
    } catch (const CommError& e) {
        deviceFailed(e);
        return false;
    }
}

bool MSComm::DSRHolding()
{
    try {
        return lines_->dsr();
    } catch (const CommError& e) {
        deviceFailed(e);
        return false;
    }
}

void MSComm::setOutput(std::string_view text)
{
    for (char c : text) {
        try {
            lines_->write(static_cast<std::uint8_t>(c));
        } catch (const CommError& e) {
            deviceFailed(e);
        }
    }
}

void MSComm::deviceFailed(const CommError& error)
{
    // Closed first: the handler may show a box whose event loop runs more accesses.
    port_.reset();
    route();
    lost_ = true;
    changed();
    if (onFailure_)
        onFailure_(error.what());
}
