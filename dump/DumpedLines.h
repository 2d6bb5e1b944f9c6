#pragma once

#include "LineDump.h"
#include "SerialLines.h"

#include <memory>

// A port whose every line access, once it has been made, is told to a dump of the lines.
class DumpedLines final : public SerialLines {
public:
    DumpedLines(LineDump& dump, std::unique_ptr<SerialLines> inner) : dump_(dump), inner_(std::move(inner)) {}

    void setDtr(bool asserted) override
    {
        inner_->setDtr(asserted);
        dump_.dtrPut(asserted);
    }
    void setRts(bool asserted) override
    {
        inner_->setRts(asserted);
        dump_.rtsPut(asserted);
    }
    void setBreak(bool on) override
    {
        inner_->setBreak(on);
        dump_.breakPut(on);
    }
    bool cd() override
    {
        const bool asserted = inner_->cd();
        dump_.cdRead(asserted);
        return asserted;
    }
    bool cts() override { return inner_->cts(); }
    bool dsr() override { return inner_->dsr(); }
    void write(std::uint8_t byte) override { inner_->write(byte); }
    int hangupFd() const override { return inner_->hangupFd(); }

private:
    LineDump& dump_;
    std::unique_ptr<SerialLines> inner_;
};
