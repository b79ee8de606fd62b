#pragma once

#include <cstdint>

namespace artgen {

// A small seeded generator for scattering stars, leaves and sprinkles. It is written out here
// instead of using the standard distributions, whose results differ between libraries, so the
// pictures come out byte for byte the same on every build.
class ArtRandom {
  public:
    explicit ArtRandom(std::uint64_t seed);

    // Uniform in [low, high).
    double uniform(double low, double high);
    // Uniform whole number in [low, high].
    int between(int low, int high);

  private:
    std::uint64_t next();

    std::uint64_t state_;
};

} // namespace artgen
