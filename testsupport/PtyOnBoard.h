#pragma once

#include "Board.h"
#include "CachedStatusAdapter.h"
#include "PtySerialDevice.h"
#include "VirtualPort.h"

#include <functional>
#include <memory>

// A pseudo-terminal whose modem lines reach a virtual board, as a real adapter's cable reaches
// the real one: the device layer opens the pty, and the board sees its lines. With a timing,
// the lines pass through a model of a USB adapter whose status reads lag (on the system clock,
// which the device layer waits on).
class PtyOnBoard {
public:
    // On a board of its own, built by `build`.
    explicit PtyOnBoard(const std::function<void(Board&)>& build = {}, CachedStatusAdapter::Timing adapter = {})
        : own_(std::make_unique<Board>()), board(*own_)
    {
        if (build)
            build(board);
        wire(adapter);
    }
    // On a board that someone else owns; it must outlive this.
    explicit PtyOnBoard(Board& onto) : board(onto) { wire({}); }
    PtyOnBoard(const PtyOnBoard&) = delete;
    PtyOnBoard& operator=(const PtyOnBoard&) = delete;

private:
    std::unique_ptr<Board> own_;

public:
    Board& board;
    PtySerialDevice pty;

private:
    void wire(CachedStatusAdapter::Timing adapter)
    {
        farEnd_ = std::make_unique<VirtualPort>(board, LineSettings{});
        if (adapter.lag.count() || adapter.lineChange.count() || adapter.statusRead.count())
            farEnd_ = std::make_unique<CachedStatusAdapter>(std::move(farEnd_), MonotonicClock::system(), adapter,
                                                            PortLines{true, true, false});
        pty.calls.farEnd = farEnd_.get();
    }

    std::unique_ptr<SerialLines> farEnd_;
};
