#include "form_timer.h"

#include <algorithm>
#include <chrono>

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

FormTimer::FormTimer(std::string name, int interval, std::function<void(std::uint64_t)> handler,
                     VirtualClock* clock)
    : name_(std::move(name)), interval_(interval), catchUpHandler_(std::move(handler)),
      clock_(clock) {
    if (clock_) clock_->add(this);
}

std::unique_ptr<FormTimer> FormTimer::catchingUp(std::string name, int interval, bool enabled,
                                                 std::function<void(std::uint64_t)> handler,
                                                 VirtualClock* clock) {
    std::unique_ptr<FormTimer> timer(
        new FormTimer(std::move(name), interval, std::move(handler), clock));
    timer->setEnabled(enabled);
    return timer;
}

FormTimer::~FormTimer() {
    if (clock_) clock_->remove(this);
}

std::int64_t FormTimer::now() const {
    if (clock_) return clock_->now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void FormTimer::catchUp() {
    if (!catchUpHandler_ || !enabled_) return;
    const std::int64_t at = now();
    if (at < dueAt_) return;
    const std::int64_t period = std::max(interval_, 1);
    const auto periods = static_cast<std::uint64_t>((at - dueAt_) / period + 1);
    dueAt_ += static_cast<std::int64_t>(periods) * period;
    fireCount_ += periods;
    catchUpHandler_(periods);
}

void FormTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    if (!enabled) catchUp();
    enabled_ = enabled;
    if (catchUpHandler_) {
        if (enabled) dueAt_ = now() + std::max(interval_, 1);
    } else if (realTimer_) {
        if (enabled)
            realTimer_->start(interval_);
        else
            realTimer_->stop();
    } else if (enabled) {
        dueAt_ = clock_->now() + interval_;
    }
}

void FormTimer::setInterval(int interval) {
    catchUp();
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
        if (timer->enabled() && !timer->catchesUp() && (!next || timer->dueAt() < next->dueAt()))
            next = timer;
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
