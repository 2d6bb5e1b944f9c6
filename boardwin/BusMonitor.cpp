#include "BusMonitor.h"

#include "Board.h"
#include "HexDigits.h"
#include "TransactionText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

BusMonitor::BusMonitor(Board& board, Clock::time_point epoch, Now now)
    : board_(board), epoch_(epoch), now_(std::move(now)), decoder_([this](const BusItems& transaction) {
          std::string line = stamp(transactionStart_);
          appendTransactionText(line, transaction);
          add(std::move(line));
      })
{
    board_.addListener(this);
}

BusMonitor::~BusMonitor()
{
    board_.removeListener(this);
    closeLog();
}

void BusMonitor::closeLog()
{
    if (log_ && log_ != stderr)
        std::fclose(log_);
    log_ = nullptr;
}

bool BusMonitor::openLog(const std::string& path, std::string& error)
{
    if (path.empty())
        return true;
    std::FILE* file = path == "-" ? stderr : std::fopen(path.c_str(), "w");
    if (!file) {
        error = "cannot write the bus log " + path + ": " + std::strerror(errno);
        return false;
    }
    closeLog();
    log_ = file;
    return true;
}

void BusMonitor::note(const std::string& text)
{
    add(stamp(now_()) + text);
}

std::vector<std::string> BusMonitor::takeNew()
{
    std::vector<std::string> lines(std::make_move_iterator(waiting_.begin()), std::make_move_iterator(waiting_.end()));
    waiting_.clear();
    return lines;
}

void BusMonitor::busLevels(bool scl, bool sda)
{
    // Only a start begins a pending transaction: that is the moment it is timed at.
    const bool idle = decoder_.pending().empty();
    decoder_.busLevels(scl, sda);
    if (idle && !decoder_.pending().empty())
        transactionStart_ = now_();
}

void BusMonitor::latched(std::uint16_t outputs)
{
    add(stamp(now_()) + "latched " + hexDigits(outputs, 4));
}

void BusMonitor::received(std::uint8_t byte, bool framingError)
{
    add(stamp(now_()) + "byte " + hexDigits(byte, 2) + (framingError ? " framing error" : ""));
}

std::string BusMonitor::stamp(Clock::time_point at) const
{
    const long long us = std::max(0LL, (long long)std::chrono::duration_cast<std::chrono::microseconds>(at - epoch_).count());
    char time[32];
    std::snprintf(time, sizeof time, "%lld.%03lld ", us / 1000, us % 1000);
    return time;
}

void BusMonitor::add(std::string line)
{
    if (log_) {
        std::fputs(line.c_str(), log_);
        std::fputc('\n', log_);
        std::fflush(log_);  // as it happens: a reader following the file sees each line at once
    }
    waiting_.push_back(std::move(line));
    if (waiting_.size() > Kept)
        waiting_.pop_front();
}
