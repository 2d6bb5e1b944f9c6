#pragma once

#include "BoardPart.h"

#include <vector>

// Counts what reaches a latch on the board between two rising edges of RTS: shift clocks
// (rising edges of DTR) and bytes received. Every latch notes what it closed.
class FrameWatcher : public BoardPart {
public:
    struct Frame {
        int shifts;
        int bytes;
        bool operator==(const Frame&) const = default;
    };

    void linesChanged(const PortLines& before, const PortLines& now) override
    {
        if (!before.dtr && now.dtr)
            ++shifts_;
        if (!before.rts && now.rts) {
            frames.push_back({shifts_, bytes_});
            shifts_ = bytes_ = 0;
        }
    }
    void byteReceived(std::uint8_t, const LineSettings&) override { ++bytes_; }

    // What has been sent since the last latch.
    Frame open() const { return {shifts_, bytes_}; }

    std::vector<Frame> frames;

private:
    int shifts_ = 0;
    int bytes_ = 0;
};
