// A timer that catches up: it never fires by itself, and when asked it hands over every period
// that went by, as a timer firing at each period would have, on the virtual and the real clock.
// Timers much quicker than the display, on the real clock: their beats come in batches, one
// batch a refresh, in the order they fell due, and a program held up does not make them up.

#include "screens/form_timer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

constexpr int kRefreshMs = 17;

// Runs the event loop for a while; the timers' wake-ups are handled meanwhile.
void runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(BatchedBeats, AMillisecondTimerBeatsAThousandTimesASecondInWakeUpsARefreshApart) {
    BeatBatches batches;
    batches.setRefreshInterval(kRefreshMs);
    std::vector<qint64> beatsAt;
    QElapsedTimer clock;
    clock.start();
    FormTimer timer("Animazione", 1, true, [&] { beatsAt.push_back(clock.elapsed()); }, nullptr,
                    &batches);
    EXPECT_EQ(timer.wakeIntervalMs(), kRefreshMs);
    runEventLoop(20 * kRefreshMs);
    batches.runDue(); // the beats of the batch under way when the loop ended
    timer.setEnabled(false);
    const qint64 elapsed = clock.elapsed();

    // Every beat ran, one by one: none is lost to a wake-up that came late. (The beats fall on
    // whole milliseconds of the clock, so one more may fit.)
    EXPECT_GE(beatsAt.size(), static_cast<std::size_t>(19 * kRefreshMs));
    EXPECT_LE(beatsAt.size(), static_cast<std::size_t>(elapsed) + 1);
    EXPECT_EQ(timer.fireCount(), beatsAt.size());
    // In batches: beats more than a few milliseconds apart began a wake-up of their own.
    int wakeUps = 1;
    for (std::size_t i = 1; i < beatsAt.size(); ++i)
        if (beatsAt[i] - beatsAt[i - 1] > 3) ++wakeUps;
    EXPECT_LE(wakeUps, 21) << "the timer woke the program at its beats";
}

TEST(BatchedBeats, ABatchRunsTheBeatsOfAllTimersInTheOrderTheyFellDue) {
    BeatBatches batches;
    batches.setRefreshInterval(kRefreshMs);
    std::vector<std::int64_t> dueTimes;
    std::unique_ptr<FormTimer> quick;
    std::unique_ptr<FormTimer> slower;
    quick = std::make_unique<FormTimer>(
        "Veloce", 1, true, [&] { dueTimes.push_back(quick->dueAt() - 1); }, nullptr, &batches);
    slower = std::make_unique<FormTimer>(
        "Lento", 3, true, [&] { dueTimes.push_back(slower->dueAt() - 3); }, nullptr, &batches);
    QThread::msleep(30); // no wake-up handled: the beats wait for the next batch
    ASSERT_TRUE(dueTimes.empty());
    batches.runDue();

    EXPECT_GE(quick->fireCount(), 29u);
    EXPECT_GE(slower->fireCount(), 9u);
    EXPECT_TRUE(std::is_sorted(dueTimes.begin(), dueTimes.end()))
        << "a timer's beats ran before those of another that fell due earlier";
}

TEST(BatchedBeats, AProgramHeldUpDropsTheBeatsOlderThanTwoBatches) {
    BeatBatches batches;
    batches.setRefreshInterval(kRefreshMs);
    FormTimer timer("Animazione", 1, true, [] {}, nullptr, &batches);
    QThread::msleep(300);
    batches.runDue();
    EXPECT_GE(timer.fireCount(), static_cast<std::uint64_t>(2 * kRefreshMs - 1));
    EXPECT_LE(timer.fireCount(), static_cast<std::uint64_t>(2 * kRefreshMs));
    // The beats go on from there, on the beat.
    const std::uint64_t before = timer.fireCount();
    batches.runDue();
    EXPECT_LE(timer.fireCount() - before, 1u);
}

// A beat that ends the timer, or asks for the beats again (its own handler catching up first),
// ends or goes on with the batch as a timer woken at each beat would.
TEST(BatchedBeats, ABeatThatStopsItsTimerEndsTheBatch) {
    BeatBatches batches;
    batches.setRefreshInterval(kRefreshMs);
    std::unique_ptr<FormTimer> timer;
    int beats = 0;
    timer = std::make_unique<FormTimer>(
        "Animazione", 1, true,
        [&] {
            batches.runDue();
            if (++beats == 5) timer->setEnabled(false);
        },
        nullptr, &batches);
    QThread::msleep(20);
    batches.runDue();
    EXPECT_EQ(beats, 5);
    EXPECT_FALSE(timer->enabled());
}

// Periods that would make a batch reach far past the refresh wake at every beat, as does every
// timer before the refresh interval is known.
TEST(BatchedBeats, OnlyPeriodsThatFitARefreshAreBatched) {
    BeatBatches batches;
    EXPECT_EQ(batches.beatsPerWake(1), 1);
    batches.setRefreshInterval(kRefreshMs);
    const std::vector<std::pair<int, int>> beatsPerWake = {
        {1, 17}, {5, 4}, {7, 3}, {8, 1}, {10, 2}, {16, 1}, {17, 1}, {80, 1}};
    for (const auto& [period, beats] : beatsPerWake)
        EXPECT_EQ(batches.beatsPerWake(period), beats) << "period " << period;
}

} // namespace
} // namespace vorlin
