#include "BoardHost.h"

BoardHost::~BoardHost()
{
    if (board_ && listener_)
        board_->removeListener(listener_);
}

Board& BoardHost::made()
{
    if (!board_) {
        board_ = std::make_unique<Board>();
        if (build_)
            build_(*board_);
        if (listener_)
            board_->addListener(listener_);
        if (created_)
            created_(*board_);
    }
    return *board_;
}

void BoardHost::onBoard(std::function<void(Board&)> created)
{
    created_ = std::move(created);
    if (board_ && created_)
        created_(*board_);
}

void BoardHost::listen(PartListener& listener)
{
    listener_ = &listener;
    if (board_)
        board_->addListener(listener_);
}

BusLines BoardHost::busLines() const
{
    Board drawn;  // the program's board, looked at whether or not a port stands for it
    if (build_)
        build_(drawn);
    return busLinesOf(drawn);
}
