#pragma once

#include <cstdint>

namespace vorlin {

// The game's one source of chance: a uniform sequence of single-precision numbers in [0, 1)
// from a fixed initial state, advanced by one value per draw. It is never seeded, so every run
// of the program starts from the same state.
class RandomSource {
  public:
    // The next number r, 0 <= r < 1; r is a multiple of 2^-24 and never 1.0.
    float next();

    // A whole number from a to b: floor(r * (b - a + 1)) + a, the product kept in double.
    int between(int a, int b);

    // Moves on as COUNT calls of next() would, in a few steps whatever COUNT is.
    void skip(std::uint64_t count);

  private:
    std::uint64_t state_ = 0x853C49E6748FEA9Bull;
};

} // namespace vorlin
