#include "CachedStatusAdapter.h"

CachedStatusAdapter::CachedStatusAdapter(std::unique_ptr<SerialLines> inner, MonotonicClock& clock,
                                         Timing timing, PortLines opened)
    : inner_(std::move(inner)), clock_(clock), timing_(timing), outputs_(opened)
{
    sample();
}

void CachedStatusAdapter::put(void (SerialLines::*set)(bool), bool& level, bool value)
{
    if (level == value) {
        (inner_.get()->*set)(value);
        return;
    }
    clock_.sleepUntil(clock_.now() + timing_.lineChange);
    // The line changes as the transfer ends; the parts answer it at once.
    (inner_.get()->*set)(value);
    level = value;
    sample();
}

void CachedStatusAdapter::sample()
{
    Status now{clock_.now(), inner_->cd(), inner_->cts(), inner_->dsr()};
    if (!history_.empty()) {
        const Status& last = history_.back();
        if (last.cd == now.cd && last.cts == now.cts && last.dsr == now.dsr)
            return;
    }
    history_.push_back(now);
}

const CachedStatusAdapter::Status& CachedStatusAdapter::reported()
{
    clock_.sleepUntil(clock_.now() + timing_.statusRead);
    sample();  // inputs switched on the board since the last change are seen `lag` later too
    auto seenAt = clock_.now() - timing_.lag;
    // Drop what no later read can see: reads come in time order.
    while (history_.size() > 1 && history_[1].since <= seenAt)
        history_.pop_front();
    return history_.front();
}
