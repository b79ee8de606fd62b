#include "form_timer.h"

#include <algorithm>

namespace vorlin {

FormTimer::FormTimer(std::string name, int interval, bool enabled, std::function<void()> handler,
                     VirtualClock* clock)
    : name_(std::move(name)), interval_(interval), handler_(std::move(handler)), clock_(clock) {
    if (clock_) {
        clock_->add(this);
    } else {
        realTimer_ = std::make_unique<PeriodicWakeup>([this] {
            ++fireCount_;
            handler_();
        });
    }
    setEnabled(enabled);
}

FormTimer::~FormTimer() {
    if (clock_) clock_->remove(this);
}

void FormTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (realTimer_) {
        if (enabled)
            realTimer_->start(interval_);
        else
            realTimer_->stop();
    } else if (enabled) {
        dueAt_ = clock_->now() + interval_;
    }
}

void FormTimer::setInterval(int interval) {
    interval_ = interval;
    if (realTimer_) realTimer_->changePeriod(interval);
}

void FormTimer::fire(std::int64_t now) {
    dueAt_ = now + interval_;
    ++fireCount_;
    handler_();
}

void VirtualClock::remove(FormTimer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

FormTimer* VirtualClock::nextDue() const {
    FormTimer* next = nullptr;
    for (FormTimer* timer : timers_)
        if (timer->enabled() && (!next || timer->dueAt() < next->dueAt())) next = timer;
    return next;
}

bool VirtualClock::fireNext() {
    FormTimer* timer = nextDue();
    if (!timer) return false;
    now_ = std::max(now_, timer->dueAt());
    timer->fire(now_);
    return true;
}

void VirtualClock::advance(std::int64_t ms, const std::function<bool()>& stop) {
    const std::int64_t target = now_ + ms;
    for (FormTimer* timer = nextDue(); timer && timer->dueAt() <= target; timer = nextDue()) {
        now_ = std::max(now_, timer->dueAt());
        timer->fire(now_);
        if (stop && stop()) return;
    }
    now_ = target;
}

} // namespace vorlin
