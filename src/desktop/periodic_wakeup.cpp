#include "periodic_wakeup.h"

#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace vorlin {

namespace {

constexpr long long kNsPerMs = 1'000'000;
constexpr long long kNsPerSecond = 1'000'000'000;

timespec asTimespec(long long ns) {
    return {static_cast<time_t>(ns / kNsPerSecond), static_cast<long>(ns % kNsPerSecond)};
}

long long nanoseconds(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * kNsPerSecond + t.tv_nsec;
}

} // namespace

PeriodicWakeup::PeriodicWakeup(std::function<void()> onWake) : onWake_(std::move(onWake)) {
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "timerfd_create");
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, [this] { wake(); });
}

PeriodicWakeup::~PeriodicWakeup() {
    delete notifier_;
    close(fd_);
}

void PeriodicWakeup::arm(long long firstNs, long long periodNs) {
    itimerspec schedule{};
    schedule.it_value = asTimespec(firstNs);
    schedule.it_interval = asTimespec(periodNs);
    timerfd_settime(fd_, 0, &schedule, nullptr);
}

void PeriodicWakeup::start(int periodMs) {
    // A period of 0 still comes back to the event loop between wake-ups, as a zero timer does.
    const long long period = std::max<long long>(periodMs * kNsPerMs, 1);
    arm(period, period);
    running_ = true;
}

void PeriodicWakeup::stop() {
    arm(0, 0);
    running_ = false;
    // A wake-up already due is dropped with the timer.
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t drained = read(fd_, &expirations, sizeof expirations);
}

void PeriodicWakeup::changePeriod(int periodMs) {
    if (!running_) return;
    itimerspec now{};
    timerfd_gettime(fd_, &now);
    const long long period = std::max<long long>(periodMs * kNsPerMs, 1);
    arm(std::max<long long>(nanoseconds(now.it_value), 1), period);
}

void PeriodicWakeup::wake() {
    std::uint64_t expirations = 0;
    if (read(fd_, &expirations, sizeof expirations) != sizeof expirations || expirations == 0)
        return;
    // However many periods went by, the timer fires once: missed beats are not made up. A
    // handler still running (a message box's own event loop) is not entered again.
    if (!running_ || waking_) return;
    waking_ = true;
    onWake_();
    waking_ = false;
}

} // namespace vorlin
