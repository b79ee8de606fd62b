#pragma once

#include "desktop/periodic_wakeup.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorlin {

class BeatBatches;
class VirtualClock;

// A window timer as the game uses it: an interval in milliseconds and an on/off switch.
// Switching on a timer that runs does not restart it. It runs on the real clock, keeping its
// beat (PeriodicWakeup), or on a VirtualClock that a replay advances by hand.
//
// A timer made with catchingUp() never wakes the program: it only counts the periods that went
// by since it was switched on, and its handler is given all of them at once, with their number,
// when catchUp() is called and when it is switched off or given a new interval. It reads as on
// and counts its firings as one firing at every period would.
//
// A timer on the real clock given BeatBatches runs its beats in batches while its period is
// much shorter than the display's refresh (see BeatBatches).
class FormTimer {
  public:
    FormTimer(std::string name, int interval, bool enabled, std::function<void()> handler,
              VirtualClock* clock, BeatBatches* batches = nullptr);
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

    // Milliseconds between the wake-ups the timer gives the program while it runs: its interval,
    // or the span of a batch of beats.
    int wakeIntervalMs() const;

    // Used by the virtual clock (the due time by BeatBatches too).
    std::int64_t dueAt() const { return dueAt_; }
    void fire(std::int64_t now);

    // Used by BeatBatches, on the real clock.
    bool beatDue(std::int64_t now) const;
    void fireBeat(std::int64_t now);
    // Takes a new number of beats per wake-up, keeping the next beat where it falls.
    void rearm();

  private:
    FormTimer(std::string name, int interval, std::function<void(std::uint64_t)> handler,
              VirtualClock* clock);
    // Milliseconds on the clock the timer runs on.
    std::int64_t now() const;
    // The beats one wake-up runs: 1 unless the timer runs in batches.
    int beatsPerWake() const;
    void wake();

    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::function<void()> handler_;
    std::function<void(std::uint64_t)> catchUpHandler_;
    VirtualClock* clock_;
    BeatBatches* batches_ = nullptr;
    std::unique_ptr<PeriodicWakeup> realTimer_;
    // The next firing, on the virtual clock, for a timer that catches up, and on the real clock.
    std::int64_t dueAt_ = 0;
    std::uint64_t fireCount_ = 0;
};

// The beats of the real timers much quicker than the display, run in batches. Woken at every
// beat, a game at 1 ms a tick would spend more on its thousand wake-ups a second than on all it
// does, and the player sees it only at the display's refreshes. Such a timer wakes the program
// once every few beats instead, as near the refresh interval as its period allows, and each
// wake-up runs every beat that fell due since, one by one, in the order they fell due among all
// batched timers, just before the refresh that shows them. A key, a click or another timer first
// runs the beats due before it, so that it comes between the same beats as it would at one
// wake-up a beat. Beats due more than two batches before a late wake-up (the program held up)
// are dropped, as a timer woken at each beat drops the wake-ups it missed: they are never made
// up in a burst.
class BeatBatches {
  public:
    // The display's refresh interval. Until it is known, every timer wakes at each beat.
    void setRefreshInterval(int ms);
    // How many beats of a timer of this period a wake-up runs: 1 for a timer woken at each beat.
    int beatsPerWake(int periodMs) const;
    // Runs every beat due on the real clock. Asked again from a beat's handler (a key handled in a
    // message box it opened), it does nothing: the beats go on once that handler is over.
    void runDue();

    void add(FormTimer* timer) { timers_.push_back(timer); }
    void remove(FormTimer* timer);

  private:
    FormTimer* nextDue(std::int64_t now) const;

    int refreshIntervalMs_ = 0;
    bool running_ = false;
    std::vector<FormTimer*> timers_;
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
