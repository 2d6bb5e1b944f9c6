#include "MSComm.h"

MSComm::MSComm(Setup setup) : opener_(std::move(setup.opener)), trace_(setup.trace) {}

MSComm::~MSComm() = default;

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
    try {
        if (open) {
            if (lines_)
                throw CommError(CommError::Kind::AlreadyOpen, "COM" + std::to_string(commPort_) + " is already open");
            if (!opener_)
                throw CommError(CommError::Kind::NoSuchDevice,
                                "COM" + std::to_string(commPort_) + ": no device is configured");
            lines_ = opener_(commPort_, settings_);
        } else {
            lines_.reset();
        }
    } catch (const CommError& e) {
        if (trace_)
            trace_->put("PortOpen", open, e.what());
        throw;
    }
    if (trace_)
        trace_->put("PortOpen", open);
}

bool MSComm::PortOpen()
{
    bool open = lines_ != nullptr;
    if (trace_)
        trace_->get("PortOpen", open);
    return open;
}

void MSComm::setBreak(bool on)
{
    if (lines_) {
        try {
            lines_->setBreak(on);
        } catch (const CommError& e) {
            putFailed("Break", on, e);
            return;
        }
    }
    if (trace_)
        trace_->put("Break", on);
}

bool MSComm::CTSHolding()
{
    bool asserted = false;
    if (lines_) {
        try {
            asserted = lines_->cts();
        } catch (const CommError& e) {
            deviceFailed(e);
        }
    }
    if (trace_)
        trace_->get("CTSHolding", asserted);
    return asserted;
}

bool MSComm::DSRHolding()
{
    bool asserted = false;
    if (lines_) {
        try {
            asserted = lines_->dsr();
        } catch (const CommError& e) {
            deviceFailed(e);
        }
    }
    if (trace_)
        trace_->get("DSRHolding", asserted);
    return asserted;
}

void MSComm::setOutput(std::string_view text)
{
    for (char c : text) {
        std::string failure;
        if (lines_) {
            try {
                lines_->write(static_cast<std::uint8_t>(c));
            } catch (const CommError& e) {
                failure = e.what();
                deviceFailed(e);
            }
        }
        if (trace_)
            trace_->putByte("Output", static_cast<std::uint8_t>(c), failure);
    }
}

void MSComm::putFailed(std::string_view property, bool value, const CommError& error)
{
    if (trace_)
        trace_->put(property, value, error.what());
    deviceFailed(error);
}

void MSComm::deviceFailed(const CommError& error)
{
    // Close first: the handler may show a box whose event loop runs more accesses.
    lines_.reset();
    if (onFailure_)
        onFailure_(error.what());
}
