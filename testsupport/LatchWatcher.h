#pragma once

#include "BoardPart.h"

#include <cstdint>
#include <functional>
#include <vector>

// Notes the word a latch holds after every rising edge of RTS (added after the latch, it
// sees the latch already updated).
class LatchWatcher : public BoardPart {
public:
    explicit LatchWatcher(std::function<std::uint16_t()> word) : word_(std::move(word)) {}
    void linesChanged(const PortLines& before, const PortLines& now) override
    {
        if (!before.rts && now.rts)
            words.push_back(word_());
    }
    std::vector<std::uint16_t> words;

private:
    std::function<std::uint16_t()> word_;
};
