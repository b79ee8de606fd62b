#include "art_random.h"

namespace artgen {

namespace {
// splitmix64 constants: every seed, even 0, gives a well mixed sequence.
constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t kMixA = 0xBF58476D1CE4E5B9ull;
constexpr std::uint64_t kMixB = 0x94D049BB133111EBull;
constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
} // namespace

ArtRandom::ArtRandom(std::uint64_t seed) : state_(seed) {}

std::uint64_t ArtRandom::next() {
    std::uint64_t z = (state_ += kGoldenGamma);
    z = (z ^ (z >> 30)) * kMixA;
    z = (z ^ (z >> 27)) * kMixB;
    return z ^ (z >> 31);
}

double ArtRandom::uniform(double low, double high) {
    const double unit = static_cast<double>(next() >> 11) * kTwoToMinus53;
    return low + unit * (high - low);
}

int ArtRandom::between(int low, int high) {
    const auto span = static_cast<std::uint64_t>(high - low + 1);
    return low + static_cast<int>(next() % span);
}

} // namespace artgen
