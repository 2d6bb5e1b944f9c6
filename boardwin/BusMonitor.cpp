#include "BusMonitor.h"

#include "Board.h"
#include "HexDigits.h"
#include "TransactionText.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cstring>

BusMonitor::BusMonitor(Board& board, Clock::time_point epoch, Now now)
    : board_(board), epoch_(epoch), now_(std::move(now)), decoder_([this](const BusItems& transaction) {
          std::string line = stamp(transactionStart_);
          appendTransactionText(line, transaction);
          add(std::move(line), endCapture(BusCapture::Lines::TwoWire));
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
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        error = QCoreApplication::translate("BusMonitor", "cannot write the bus log %1: %2")
                    .arg(QString::fromStdString(path), reason)
                    .toStdString();
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

std::vector<BusMonitor::Line> BusMonitor::takeNew()
{
    std::vector<Line> lines(std::make_move_iterator(waiting_.begin()), std::make_move_iterator(waiting_.end()));
    waiting_.clear();
    return lines;
}

void BusMonitor::busLevels(bool scl, bool sda)
{
    // Every change goes into the capture before the decoder sees it, so that the stop that
    // ends a transaction is in its capture; the start condition, once the decoder has found
    // it, becomes the capture's first change. The levels before a start are both high.
    const std::uint32_t change = BusCapture::pack(EdgeClock::ticks(), (scl ? 1u : 0u) | (sda ? 2u : 0u));
    if (next_ != end_)
        *next_++ = change;
    const bool idle = decoder_.pending().empty();
    decoder_.busLevels(scl, sda);
    // Only a start begins a pending transaction: that is the moment it is timed at.
    if (idle && !decoder_.pending().empty()) {
        changes_[0] = change;
        next_ = changes_.get() + 1;
        transactionStart_ = now_();
        captureStart_ = transactionStart_;
    }
}

void BusMonitor::shiftInputs(bool clock, bool data, bool latch)
{
    const unsigned levels = (clock ? 1u : 0u) | (data ? 2u : 0u) | (latch ? 4u : 0u);
    if (next_ == changes_.get()) {
        captureStart_ = now_();
        before_ = levels_;
    }
    if (next_ != end_)
        *next_++ = BusCapture::pack(EdgeClock::ticks(), levels);
    levels_ = std::uint8_t(levels);
}

std::shared_ptr<const BusCapture> BusMonitor::endCapture(BusCapture::Lines lines)
{
    if (next_ == changes_.get())
        return {};
    const std::uint8_t before = lines == BusCapture::Lines::TwoWire ? BusCapture::LevelMask : before_;
    auto capture = std::make_shared<BusCapture>(
        BusCapture{lines, before, std::chrono::duration_cast<std::chrono::nanoseconds>(captureStart_ - epoch_),
                   std::vector<std::uint32_t>(changes_.get(), next_)});
    next_ = changes_.get();
    return capture;
}

void BusMonitor::latched(std::uint16_t outputs)
{
    // A shift register's latch pulse ends its word's capture; a receiver's latch has none.
    add(stamp(now_()) + "latched " + hexDigits(outputs, 4), endCapture(BusCapture::Lines::ShiftRegister));
}

void BusMonitor::received(std::uint8_t byte, bool framingError)
{
    add(stamp(now_()) + "byte " + hexDigits(byte, 2) + (framingError ? " framing error" : ""));
}

std::string BusMonitor::stamp(Clock::time_point at) const
{
    const long long us = std::max(0LL, (long long)std::chrono::duration_cast<std::chrono::microseconds>(at - epoch_).count());
    // "12.345 ", formatted by hand: this runs for every transaction on a monitored bus.
    char time[32];
    char* end = std::to_chars(time, time + 20, us / 1000).ptr;
    const int fraction = int(us % 1000);
    *end++ = '.';
    *end++ = char('0' + fraction / 100);
    *end++ = char('0' + fraction / 10 % 10);
    *end++ = char('0' + fraction % 10);
    *end++ = ' ';
    return std::string(time, end);
}

void BusMonitor::add(std::string line, std::shared_ptr<const BusCapture> capture)
{
    if (log_) {
        std::fputs(line.c_str(), log_);
        std::fputc('\n', log_);
        std::fflush(log_);  // as it happens: a reader following the file sees each line at once
    }
    waiting_.push_back({std::move(line), std::move(capture)});
    if (waiting_.size() > Kept)
        waiting_.pop_front();
}
