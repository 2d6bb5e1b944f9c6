#pragma once

#include "Board.h"
#include "BusLines.h"

#include <functional>
#include <memory>

// The virtual board behind the COM ports that stand for it: built with the program's
// experiment the first time a port needs it, and handed to whoever waits for it.
class BoardHost {
public:
    using Builder = std::function<void(Board&)>;

    explicit BoardHost(Builder build) : build_(std::move(build)) {}
    ~BoardHost();
    BoardHost(const BoardHost&) = delete;
    BoardHost& operator=(const BoardHost&) = delete;

    // Null while no port stands for it.
    Board* board() const { return board_.get(); }
    // The board, made now if it is not yet.
    Board& made();
    // `created` gets the board as soon as it exists: at once when it does already, else when
    // it is made.
    void onBoard(std::function<void(Board&)> created);
    // `listener` hears the board from now on, or from when it is made, as long as this lives.
    void listen(PartListener& listener);
    // The lines the program's board drives, whether or not it is made.
    BusLines busLines() const;

private:
    Builder build_;
    std::unique_ptr<Board> board_;
    std::function<void(Board&)> created_;
    PartListener* listener_ = nullptr;
};
