#pragma once

#include "BoardPart.h"

// Three switches on the port's status inputs. At power-on CTS and DSR are asserted and CD
// is not.
class StatusInputs : public BoardPart {
public:
    void linesChanged(const PortLines&, const PortLines&) override {}
    void accept(PartVisitor& visitor) override { visitor.visit(*this); }

    void setCts(bool asserted) { cts_ = asserted; }
    void setCd(bool asserted) { cd_ = asserted; }
    void setDsr(bool asserted) { dsr_ = asserted; }
    bool cts() const { return cts_; }
    bool cd() const { return cd_; }
    bool dsr() const { return dsr_; }

    bool assertsCts() const override { return cts_; }
    bool assertsCd() const override { return cd_; }
    bool assertsDsr() const override { return dsr_; }

private:
    bool cts_ = true;
    bool cd_ = false;
    bool dsr_ = true;
};
