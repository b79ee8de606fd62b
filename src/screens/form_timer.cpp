#include "form_timer.h"

#include <algorithm>
#include <chrono>

namespace vorlin {

namespace {

// How far past the refresh interval a batch of beats may reach: as far as a refresh waits for a
// frame about to come. A period that would make a longer batch wakes at each beat.
constexpr int kBatchBeyondRefreshMs = 4;

// Milliseconds on the real clock the timers run on.
std::int64_t realClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

FormTimer::FormTimer(std::string name, int interval, bool enabled, std::function<void()> handler,
                     VirtualClock* clock, BeatBatches* batches)
    : name_(std::move(name)), interval_(interval), handler_(std::move(handler)), clock_(clock) {
    if (clock_) {
        clock_->add(this);
    } else {
        realTimer_ = std::make_unique<PeriodicWakeup>([this] { wake(); });
        batches_ = batches;
        if (batches_) batches_->add(this);
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
    if (batches_) batches_->remove(this);
}

std::int64_t FormTimer::now() const {
    return clock_ ? clock_->now() : realClockMs();
}

int FormTimer::beatsPerWake() const {
    return batches_ ? batches_->beatsPerWake(std::max(interval_, 1)) : 1;
}

int FormTimer::wakeIntervalMs() const {
    return std::max(interval_, 1) * beatsPerWake();
}

void FormTimer::wake() {
    if (beatsPerWake() > 1) {
        batches_->runDue();
        return;
    }
    // Where the next beat falls, should the timer go on in batches (a shorter period).
    dueAt_ = now() + std::max(interval_, 1);
    ++fireCount_;
    handler_();
}

bool FormTimer::beatDue(std::int64_t at) const {
    return enabled_ && beatsPerWake() > 1 && dueAt_ <= at;
}

void FormTimer::fireBeat(std::int64_t at) {
    const std::int64_t period = std::max(interval_, 1);
    // Beats due more than two batches ago: the program was held up, and they are dropped.
    const std::int64_t longestLateness = 2 * static_cast<std::int64_t>(wakeIntervalMs());
    if (at - dueAt_ >= longestLateness)
        dueAt_ += ((at - dueAt_ - longestLateness) / period + 1) * period;
    dueAt_ += period;
    ++fireCount_;
    handler_();
}

void FormTimer::rearm() {
    if (!enabled_ || !realTimer_) return;
    realTimer_->changePeriod(wakeIntervalMs());
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
        if (enabled) {
            dueAt_ = now() + std::max(interval_, 1);
            realTimer_->start(wakeIntervalMs());
        } else {
            realTimer_->stop();
        }
    } else if (enabled) {
        dueAt_ = clock_->now() + interval_;
    }
}

void FormTimer::setInterval(int interval) {
    catchUp();
    interval_ = interval;
    if (realTimer_) realTimer_->changePeriod(wakeIntervalMs());
}

void FormTimer::fire(std::int64_t now) {
    dueAt_ = now + interval_;
    ++fireCount_;
    handler_();
}

void BeatBatches::setRefreshInterval(int ms) {
    if (ms == refreshIntervalMs_) return;
    refreshIntervalMs_ = ms;
    for (FormTimer* timer : timers_)
        timer->rearm();
}

int BeatBatches::beatsPerWake(int periodMs) const {
    if (refreshIntervalMs_ <= periodMs) return 1;
    const int beats = (refreshIntervalMs_ + periodMs - 1) / periodMs;
    return beats * periodMs - refreshIntervalMs_ <= kBatchBeyondRefreshMs ? beats : 1;
}

void BeatBatches::remove(FormTimer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

FormTimer* BeatBatches::nextDue(std::int64_t now) const {
    FormTimer* next = nullptr;
    for (FormTimer* timer : timers_)
        if (timer->beatDue(now) && (!next || timer->dueAt() < next->dueAt())) next = timer;
    return next;
}

void BeatBatches::runDue() {
    if (running_) return;
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    // The beats due when the batch starts: one falling due while it runs waits for the next.
    const std::int64_t now = realClockMs();
    for (FormTimer* next = nextDue(now); next; next = nextDue(now))
        next->fireBeat(now);
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
