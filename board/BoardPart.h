#pragma once

#include "LineSettings.h"
#include "PartListener.h"
#include "PartVisitor.h"
#include "PortLines.h"

#include <cstdint>
#include <vector>

// One part of the board wired to the port: it sees the outputs change and the bytes arrive,
// may assert the status inputs, and tells its listeners what it does.
class BoardPart {
public:
    virtual ~BoardPart() = default;
    // Called after every change of one output; `before` holds the levels before it.
    virtual void linesChanged(const PortLines& before, const PortLines& now) = 0;
    virtual void byteReceived(std::uint8_t /*byte*/, const LineSettings& /*settings*/) {}
    virtual bool assertsCd() const { return false; }
    virtual bool assertsCts() const { return false; }
    virtual bool assertsDsr() const { return false; }
    // Shows the part, and what it carries, to `visitor` as what it is (a watcher of the lines
    // that no view shows stays silent).
    virtual void accept(PartVisitor& /*visitor*/) {}

    // Listeners are not owned; each must outlive the part or be removed.
    void addListener(PartListener* listener) { listeners_.push_back(listener); }
    void removeListener(PartListener* listener) { std::erase(listeners_, listener); }

protected:
    const std::vector<PartListener*>& listeners() const { return listeners_; }

private:
    std::vector<PartListener*> listeners_;
};
