#include "game/random_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlin {
namespace {

struct RangeCase {
    int low, high;
};

TEST(RandomSource, EveryRangeReachesBothEndsAndNeverLeavesThem) {
    const RangeCase ranges[] = {{100, 1000}, {1, 4}, {200, 800}};
    for (const RangeCase& range : ranges) {
        RandomSource random;
        bool sawLow = false, sawHigh = false;
        for (int i = 0; i < 200000; ++i) {
            const int n = random.between(range.low, range.high);
            ASSERT_GE(n, range.low);
            ASSERT_LE(n, range.high);
            sawLow |= n == range.low;
            sawHigh |= n == range.high;
        }
        EXPECT_TRUE(sawLow) << range.low << ".." << range.high;
        EXPECT_TRUE(sawHigh) << range.low << ".." << range.high;
    }
}

TEST(RandomSource, NumbersStayBelowOne) {
    RandomSource random;
    for (int i = 0; i < 1000000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(RandomSource, EveryRunStartsFromTheSameState) {
    RandomSource first, second;
    std::vector<int> a, b;
    for (int i = 0; i < 50; ++i)
        a.push_back(first.between(100, 1000));
    for (int i = 0; i < 50; ++i)
        b.push_back(second.between(100, 1000));
    EXPECT_EQ(a, b);
    // and the sequence moves on: not one value repeated
    EXPECT_NE(std::count(a.begin(), a.end(), a.front()), 50);
}

// A skip lands where as many draws land, for short and long skips alike, and the numbers after it
// are the same.
TEST(RandomSource, SkippingLandsWhereAsManyDrawsLand) {
    for (std::uint64_t count : {0ull, 1ull, 2ull, 3ull, 8ull, 255ull, 6000ull, 1234567ull}) {
        SCOPED_TRACE(count);
        RandomSource skipped, drawn;
        skipped.skip(count);
        for (std::uint64_t i = 0; i < count; ++i)
            drawn.next();
        for (int i = 0; i < 5; ++i)
            ASSERT_EQ(skipped.next(), drawn.next());
    }
    // Skips add up.
    RandomSource twice, once;
    twice.skip(1000);
    twice.skip(234);
    once.skip(1234);
    EXPECT_EQ(twice.next(), once.next());
}

} // namespace
} // namespace vorlin
