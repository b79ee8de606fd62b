// A timer that catches up: it never fires by itself, and when asked it hands over every period
// that went by, as a timer firing at each period would have, on the virtual and the real clock.

#include "screens/form_timer.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

namespace vorlin {
namespace {

class CatchingUpTimer : public ::testing::Test {
  protected:
    std::unique_ptr<FormTimer> make(int interval, bool enabled, VirtualClock* on) {
        return FormTimer::catchingUp(
            "Lento", interval, enabled, [this](std::uint64_t periods) { given.push_back(periods); },
            on);
    }

    VirtualClock clock;
    std::vector<std::uint64_t> given;
};

TEST_F(CatchingUpTimer, HandsOverThePeriodsThatWentByOnlyWhenAsked) {
    auto timer = make(1, true, &clock);
    clock.advance(1500);
    EXPECT_TRUE(given.empty()); // nothing fires by itself
    EXPECT_TRUE(timer->enabled());
    timer->catchUp();
    EXPECT_EQ(given, std::vector<std::uint64_t>{1500});
    EXPECT_EQ(timer->fireCount(), 1500u);
    timer->catchUp(); // no time went by
    EXPECT_EQ(given.size(), 1u);
    // Switched off, it first hands over what went by; then nothing more.
    clock.advance(7);
    timer->setEnabled(false);
    EXPECT_EQ(given, (std::vector<std::uint64_t>{1500, 7}));
    clock.advance(100);
    timer->catchUp();
    EXPECT_EQ(given.size(), 2u);
    EXPECT_EQ(timer->fireCount(), 1507u);
}

// The periods fall where a firing timer's would: the first one interval after switching on, a
// new interval from the period after the one under way.
TEST_F(CatchingUpTimer, PeriodsFallWhereAFiringTimersWould) {
    auto timer = make(10, false, &clock);
    clock.advance(5);
    timer->setEnabled(true); // due at 15, 25, 35...
    clock.advance(9);        // 14
    timer->catchUp();
    EXPECT_TRUE(given.empty());
    clock.advance(21); // 35
    timer->catchUp();
    EXPECT_EQ(given, std::vector<std::uint64_t>{3});
    timer->setInterval(100); // due at 45, then 145
    clock.advance(109);      // 144
    timer->catchUp();
    EXPECT_EQ(given, (std::vector<std::uint64_t>{3, 1}));
    clock.advance(1); // 145
    timer->catchUp();
    EXPECT_EQ(given, (std::vector<std::uint64_t>{3, 1, 1}));
}

// On the virtual clock the timer is not an event: the other timers go on as before it.
TEST_F(CatchingUpTimer, IsNoEventOfTheVirtualClock) {
    auto timer = make(1, true, &clock);
    int beats = 0;
    FormTimer other(
        "Battito", 40, true, [&beats] { ++beats; }, &clock);
    ASSERT_TRUE(clock.fireNext());
    EXPECT_EQ(clock.now(), 40);
    EXPECT_EQ(beats, 1);
    other.setEnabled(false);
    EXPECT_FALSE(clock.fireNext());
}

TEST_F(CatchingUpTimer, OnTheRealClockCountsTheMillisecondsThatWentBy) {
    QElapsedTimer outside;
    outside.start();
    auto timer = make(1, true, nullptr);
    QThread::msleep(60);
    timer->catchUp();
    const qint64 elapsed = outside.elapsed();
    ASSERT_EQ(given.size(), 1u);
    EXPECT_GE(given[0], 60u);
    EXPECT_LE(given[0], static_cast<std::uint64_t>(elapsed) + 1);
}

} // namespace
} // namespace vorlin
