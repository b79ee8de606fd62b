#pragma once

#include <functional>

class QSocketNotifier;

namespace vorlin {

// A timer that keeps its beat, for the game's timers in a real window. Its wake-ups stay on the
// grid start + k x period however late one of them is handled, so a 1 ms game ticks a thousand
// times a second; wake-ups missed while the program was busy are dropped, never made up in a
// burst. It runs on the window's event loop (a Linux timer file watched like any input).
class PeriodicWakeup {
  public:
    explicit PeriodicWakeup(std::function<void()> onWake);
    ~PeriodicWakeup();
    PeriodicWakeup(const PeriodicWakeup&) = delete;
    PeriodicWakeup& operator=(const PeriodicWakeup&) = delete;

    // The first wake-up comes one period from now.
    void start(int periodMs);
    void stop();
    // A running timer keeps its next wake-up and takes the new period after it.
    void changePeriod(int periodMs);

  private:
    void arm(long long firstNs, long long periodNs);
    void wake();

    int fd_ = -1;
    bool running_ = false;
    bool waking_ = false;
    std::function<void()> onWake_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vorlin
