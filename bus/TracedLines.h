#pragma once

#include "CommError.h"
#include "SerialLines.h"
#include "Trace.h"

// Writes every line access to the trace, then passes it on to whatever port is in use.
class TracedLines final : public SerialLines {
public:
    TracedLines(Trace& trace, SerialLines* inner) : trace_(trace), inner_(inner) {}
    void retarget(SerialLines* inner) { inner_ = inner; }

    void setDtr(bool asserted) override { put("DTREnable", asserted, &SerialLines::setDtr); }
    void setRts(bool asserted) override { put("RTSEnable", asserted, &SerialLines::setRts); }
    void setBreak(bool on) override { put("Break", on, &SerialLines::setBreak); }
    bool cd() override { return get("CDHolding", &SerialLines::cd); }
    bool cts() override { return get("CTSHolding", &SerialLines::cts); }
    bool dsr() override { return get("DSRHolding", &SerialLines::dsr); }
    void write(std::uint8_t byte) override
    {
        try {
            inner_->write(byte);
        } catch (const CommError& e) {
            trace_.putByte("Output", byte, e.what());
            throw;
        }
        trace_.putByte("Output", byte);
    }

private:
    void put(const char* property, bool value, void (SerialLines::*set)(bool))
    {
        try {
            (inner_->*set)(value);
        } catch (const CommError& e) {
            trace_.put(property, value, e.what());
            throw;
        }
        trace_.put(property, value);
    }
    bool get(const char* property, bool (SerialLines::*read)())
    {
        try {
            bool value = (inner_->*read)();
            trace_.get(property, value);
            return value;
        } catch (const CommError&) {
            trace_.get(property, false);
            throw;
        }
    }

    Trace& trace_;
    SerialLines* inner_;
};
