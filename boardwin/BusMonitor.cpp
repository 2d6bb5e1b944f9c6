#include "BusMonitor.h"

#include "Board.h"
#include "LatchedShiftRegister.h"
#include "SerialReceiver.h"
#include "TwoWireBus.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

std::string hex(unsigned value, int digits)
{
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

} // namespace

BusMonitor::BusMonitor(Board& board, Clock::time_point epoch, Now now)
    : board_(board), epoch_(epoch), now_(std::move(now)),
      decoder_([this](const std::string& transaction) { add(transactionStart_, transaction); })
{
    for (auto& part : board_.parts()) {
        if (auto* bus = dynamic_cast<TwoWireBus*>(part.get())) {
            bus->addListener(this);
        } else if (auto* shifter = dynamic_cast<LatchedShiftRegister*>(part.get())) {
            shifter->setLatchListener([this](std::uint16_t word) { add(now_(), "latched " + hex(word, 4)); });
        } else if (auto* receiver = dynamic_cast<SerialReceiver*>(part.get())) {
            receiver->setByteListener([this](std::uint8_t byte, bool framingError) {
                add(now_(), "byte " + hex(byte, 2) + (framingError ? " framing error" : ""));
            });
            receiver->setLatchListener([this](std::uint16_t word) { add(now_(), "latched " + hex(word, 4)); });
        }
    }
}

BusMonitor::~BusMonitor()
{
    for (auto& part : board_.parts()) {
        if (auto* bus = dynamic_cast<TwoWireBus*>(part.get())) {
            bus->removeListener(this);
        } else if (auto* shifter = dynamic_cast<LatchedShiftRegister*>(part.get())) {
            shifter->setLatchListener(nullptr);
        } else if (auto* receiver = dynamic_cast<SerialReceiver*>(part.get())) {
            receiver->setByteListener(nullptr);
            receiver->setLatchListener(nullptr);
        }
    }
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
    add(now_(), text);
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

void BusMonitor::add(Clock::time_point at, const std::string& text)
{
    const long long us = std::max(0LL, (long long)std::chrono::duration_cast<std::chrono::microseconds>(at - epoch_).count());
    char time[32];
    std::snprintf(time, sizeof time, "%lld.%03lld ", us / 1000, us % 1000);
    std::string line = time + text;
    if (log_) {
        std::fputs(line.c_str(), log_);
        std::fputc('\n', log_);
        std::fflush(log_);  // as it happens: a reader following the file sees each line at once
    }
    waiting_.push_back(std::move(line));
    if (waiting_.size() > Kept)
        waiting_.pop_front();
}
