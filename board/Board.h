#pragma once

#include "BoardPart.h"

#include <memory>
#include <vector>

// The simulated training board at the far end of the cable. It answers only from what a real
// board sees: the levels of DTR, RTS and break, and the bytes sent; and it sets CD, CTS, DSR.
// Unplugged, it sees nothing of the port and asserts no status input: every bus read gives
// ones and nothing acknowledges.
class Board {
public:
    Board() = default;
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    // Adds a part and returns it; the board owns it.
    template <class Part, class... Args>
    Part& add(Args&&... args)
    {
        auto part = std::make_unique<Part>(std::forward<Args>(args)...);
        Part& ref = *part;
        parts_.push_back(std::move(part));
        return ref;
    }

    // Shows `visitor` every part, in the order they were added.
    void accept(PartVisitor& visitor)
    {
        for (auto& part : parts_)
            part->accept(visitor);
    }
    // Adds `listener` to every part the board carries now, or removes it from them.
    void addListener(PartListener* listener)
    {
        for (auto& part : parts_)
            part->addListener(listener);
    }
    void removeListener(PartListener* listener)
    {
        for (auto& part : parts_)
            part->removeListener(listener);
    }

    // Plugging in again shows the parts every output that changed meanwhile, one at a time.
    void setUnplugged(bool unplugged);
    bool unplugged() const { return unplugged_; }

    void setDtr(bool asserted) { change(&PortLines::dtr, asserted); }
    void setRts(bool asserted) { change(&PortLines::rts, asserted); }
    void setBreak(bool on) { change(&PortLines::txdBreak, on); }
    void receive(std::uint8_t byte, const LineSettings& settings);

    bool cd() const;
    bool cts() const;
    bool dsr() const;
    // The levels as the parts last saw them (while unplugged: as they were at unplugging).
    const PortLines& lines() const { return lines_; }

private:
    void change(bool PortLines::*line, bool level)
    {
        port_.*line = level;
        if (!unplugged_)
            deliver(line);
    }
    void deliver(bool PortLines::*line)
    {
        if (lines_.*line == port_.*line)
            return;
        PortLines before = lines_;
        lines_.*line = port_.*line;
        for (auto& part : parts_)
            part->linesChanged(before, lines_);
    }

    PortLines port_;   // what the port drives
    PortLines lines_;  // what the parts have seen
    bool unplugged_ = false;
    std::vector<std::unique_ptr<BoardPart>> parts_;
};
