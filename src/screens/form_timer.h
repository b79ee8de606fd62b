#pragma once

#include "desktop/periodic_wakeup.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorlin {

class VirtualClock;

// A window timer as the game uses it: an interval in milliseconds and an on/off switch.
// Switching on a timer that runs does not restart it. It runs on the real clock, keeping its
// beat (PeriodicWakeup), or on a VirtualClock that a replay advances by hand.
//
// A timer made with catchingUp() never wakes the program: it only counts the periods that went
// by since it was switched on, and its handler is given all of them at once, with their number,
// when catchUp() is called and when it is switched off or given a new interval. It reads as on
// and counts its firings as one firing at every period would.
class FormTimer {
  public:
    FormTimer(std::string name, int interval, bool enabled, std::function<void()> handler,
              VirtualClock* clock);
    static std::unique_ptr<FormTimer> catchingUp(std::string name, int interval, bool enabled,
                                                 std::function<void(std::uint64_t)> handler,
                                                 VirtualClock* clock);
    ~FormTimer();
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return interval_; }
    // A new interval takes effect from the next period.
    void setInterval(int interval);

    // How many times the timer has fired.
    std::uint64_t fireCount() const { return fireCount_; }

    // A timer made with catchingUp(): hands its handler the periods that went by since the last
    // time. Nothing for any other timer.
    void catchUp();
    bool catchesUp() const { return static_cast<bool>(catchUpHandler_); }

    // Used by the virtual clock.
    std::int64_t dueAt() const { return dueAt_; }
    void fire(std::int64_t now);

  private:
    FormTimer(std::string name, int interval, std::function<void(std::uint64_t)> handler,
              VirtualClock* clock);
    // Milliseconds on the clock the timer runs on.
    std::int64_t now() const;

    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::function<void()> handler_;
    std::function<void(std::uint64_t)> catchUpHandler_;
    VirtualClock* clock_;
    std::unique_ptr<PeriodicWakeup> realTimer_;
    std::int64_t dueAt_ = 0;
    std::uint64_t fireCount_ = 0;
};

// Time for replays: nothing happens until advance() is called; then every switched-on timer
// fires at its interval, in order of due time (a timer switched on at t first fires at
// t + interval; timers due together fire in the order they were created). A timer that catches
// up is left out: it fires only when asked.
class VirtualClock {
  public:
    std::int64_t now() const { return now_; }
    void add(FormTimer* timer) { timers_.push_back(timer); }
    void remove(FormTimer* timer);

    // Advances by ms milliseconds, firing what falls due; stops early when stop() says so.
    void advance(std::int64_t ms, const std::function<bool()>& stop = {});
    // Fires the next due timer event, moving the clock to it; false when no timer is on.
    bool fireNext();

  private:
    FormTimer* nextDue() const;

    std::int64_t now_ = 0;
    std::vector<FormTimer*> timers_;
};

} // namespace vorlin
