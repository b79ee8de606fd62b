// The beat of the game's timers on a real event loop: what a busy moment, a change of speed and
// a stop do to the wake-ups. The figures leave wide room for a loaded machine: a timer file
// never wakes early, so every bound that could be hurt by a slow machine is a lower one, and the
// upper ones count wake-ups that no delay can add.

#include "desktop/periodic_wakeup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace vorlin {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Runs the event loop for a while; timers and timer files are handled meanwhile.
void runEventLoop(milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

// Milliseconds from `from` to `to`.
double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

TEST(PeriodicWakeup, AHandlerThatBlocksForSeveralPeriodsIsFollowedByOneWakeUpNotABurst) {
    constexpr int kPeriodMs = 20;
    constexpr milliseconds kBlock{10 * kPeriodMs};
    std::vector<Clock::time_point> wakeUps;
    Clock::time_point blockEnded;
    PeriodicWakeup wakeup([&] {
        wakeUps.push_back(Clock::now());
        if (wakeUps.size() == 1) {
            // Busy for ten periods, as a slow frame or a disk that waits would keep it.
            std::this_thread::sleep_for(kBlock);
            blockEnded = Clock::now();
        }
    });
    wakeup.start(kPeriodMs);
    runEventLoop(milliseconds(kBlock + milliseconds(30 * kPeriodMs)));
    wakeup.stop();

    ASSERT_GE(wakeUps.size(), 2u) << "the timer did not go on after the busy handler";
    // Within two periods of the handler's return there is room for the one wake-up still due and
    // two on the beat, however late the machine runs; the ten missed ones must not follow.
    int soonAfter = 0;
    for (const Clock::time_point at : wakeUps)
        if (at >= blockEnded && msBetween(blockEnded, at) <= 2 * kPeriodMs) ++soonAfter;
    EXPECT_LE(soonAfter, 3) << "the missed wake-ups were made up in a burst";
}

TEST(PeriodicWakeup, ANewPeriodKeepsTheNextWakeUpOnItsTimeAndCountsFromIt) {
    constexpr int kOldPeriodMs = 600;
    constexpr int kNewPeriodMs = 50;
    constexpr int kChangeAfterMs = 300;
    std::vector<Clock::time_point> wakeUps;
    PeriodicWakeup wakeup([&] { wakeUps.push_back(Clock::now()); });
    const Clock::time_point started = Clock::now();
    wakeup.start(kOldPeriodMs);
    QTimer::singleShot(kChangeAfterMs, [&] { wakeup.changePeriod(kNewPeriodMs); });
    runEventLoop(milliseconds(kOldPeriodMs + 10 * kNewPeriodMs));
    wakeup.stop();

    ASSERT_FALSE(wakeUps.empty()) << "no wake-up at all";
    // The wake-up due when the period changed stays where the old period put it: not earlier
    // (a restart on the new period), not a whole old period after the change.
    const double first = msBetween(started, wakeUps.front());
    EXPECT_GE(first, kOldPeriodMs - 5);
    EXPECT_LT(first, kChangeAfterMs + kOldPeriodMs - 100);
    // From then on the new period: ten beats fit in the rest of the run, the old one none.
    int after = 0;
    for (const Clock::time_point at : wakeUps)
        if (at > wakeUps.front()) ++after;
    EXPECT_GE(after, 3) << "the new period was not taken";
    EXPECT_LE(after, 10);
}

TEST(PeriodicWakeup, StopDropsAWakeUpAlreadyDue) {
    // Two timers fall due in the same moment; whichever is handled first stops the other, whose
    // wake-up is already waiting in the event loop. Their periods differ, so a timer that went
    // on after its stop would soon wake alone.
    constexpr int kFirstPeriodMs = 20;
    constexpr int kSecondPeriodMs = 30;
    int firstWakeUps = 0;
    int secondWakeUps = 0;
    std::unique_ptr<PeriodicWakeup> second;
    PeriodicWakeup first([&] {
        ++firstWakeUps;
        second->stop();
    });
    second = std::make_unique<PeriodicWakeup>([&] {
        ++secondWakeUps;
        first.stop();
    });
    first.start(kFirstPeriodMs);
    second->start(kSecondPeriodMs);
    std::this_thread::sleep_for(milliseconds(5 * kSecondPeriodMs)); // both are due now
    runEventLoop(milliseconds(10 * kSecondPeriodMs));
    first.stop();
    second->stop();

    EXPECT_EQ(firstWakeUps > 0, secondWakeUps == 0)
        << "handled: " << firstWakeUps << " and " << secondWakeUps;
}

} // namespace
} // namespace vorlin

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
