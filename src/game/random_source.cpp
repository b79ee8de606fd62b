#include "random_source.h"

#include <cmath>

namespace vorlin {

float RandomSource::next() {
    // PCG-XSH-RR 64/32 step; the top 24 bits of the output make a float that is exact and < 1.
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ull + 1442695040888963407ull;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<std::uint32_t>(old >> 59u);
    const std::uint32_t out = (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
    return static_cast<float>(out >> 8) * (1.0f / 16777216.0f);
}

int RandomSource::between(int a, int b) {
    const double r = next();
    return static_cast<int>(std::floor(r * static_cast<double>(b - a + 1))) + a;
}

} // namespace vorlin
