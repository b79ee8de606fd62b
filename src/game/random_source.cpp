#include "random_source.h"

#include <cmath>

namespace vorlin {

namespace {

// The linear step of the state: state * kMultiplier + kIncrement (mod 2^64).
constexpr std::uint64_t kMultiplier = 6364136223846793005ull;
constexpr std::uint64_t kIncrement = 1442695040888963407ull;

} // namespace

float RandomSource::next() {
    // PCG-XSH-RR 64/32 step; the top 24 bits of the output make a float that is exact and < 1.
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<std::uint32_t>(old >> 59u);
    const std::uint32_t out = (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    return static_cast<float>(out >> 8) * (1.0f / 16777216.0f);
}

int RandomSource::between(int a, int b) {
    const double r = next();
    return static_cast<int>(std::floor(r * static_cast<double>(b - a + 1))) + a;
}

void RandomSource::skip(std::uint64_t count) {
    // COUNT linear steps make one linear step, state * m + c, built from the steps of 1, 2, 4...
    // steps by squaring: one per bit of COUNT.
    std::uint64_t multiplier = 1, increment = 0;
    std::uint64_t stepMultiplier = kMultiplier, stepIncrement = kIncrement;
    for (; count > 0; count >>= 1) {
        if (count & 1u) {
            multiplier *= stepMultiplier;
            increment = increment * stepMultiplier + stepIncrement;
        }
        stepIncrement = (stepMultiplier + 1) * stepIncrement;
        stepMultiplier *= stepMultiplier;
    }
    state_ = state_ * multiplier + increment;
}

} // namespace vorlin
