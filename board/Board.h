#pragma once

#include "BoardPart.h"

#include <memory>
#include <vector>

// The simulated training board at the far end of the cable. It answers only from what a real
// board sees: the levels of DTR, RTS and break, and the bytes sent; and it sets CD, CTS, DSR.
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

    void setDtr(bool asserted) { change(&PortLines::dtr, asserted); }
    void setRts(bool asserted) { change(&PortLines::rts, asserted); }
    void setBreak(bool on) { change(&PortLines::txdBreak, on); }
    void receive(std::uint8_t byte, const LineSettings& settings);

    bool cd() const;
    bool cts() const;
    bool dsr() const;
    const PortLines& lines() const { return lines_; }

private:
    void change(bool PortLines::*line, bool level)
    {
        if (lines_.*line == level)
            return;
        PortLines before = lines_;
        lines_.*line = level;
        for (auto& part : parts_)
            part->linesChanged(before, lines_);
    }

    PortLines lines_;
    std::vector<std::unique_ptr<BoardPart>> parts_;
};
