#pragma once
// Uniform deviates in (0, 1) from the minimal standard generator of Park and
// Miller (Communications of the ACM 31(10), 1988): seed' = 16807 seed mod
// (2^31 - 1), by Schrage's method, its outputs shuffled through a 32-entry table
// after Bays and Durham (the "ran1" of Press et al., Numerical Recipes in C,
// 2nd ed., 7.1). The enumerator tests draw their records, events and ticks from it.

#include <array>
#include <cstdint>

namespace ExtLib {

class ShuffledUniformRandom {
public:
    /// A seed of 0 or less (re)starts the table on the first draw.
    explicit ShuffledUniformRandom(std::int32_t seed) : mSeed(seed) {}

    /// The negated absolute value of the low 32 bits of the calendar time in seconds: a fresh
    /// sequence per run.
    static std::int32_t SeedFromClock();
    /// One step of the minimal standard generator; seed in [1, 2^31 - 2].
    static std::int32_t Step(std::int32_t seed);

    /// The next deviate, at most 1 - 1.2e-7.
    float Next();
    /// An integer in 0 .. k: the next deviate times (k + 0.999999999), truncated toward zero (0 for
    /// k = -1).
    std::int32_t Draw(std::int32_t k);

    std::int32_t seed() const { return mSeed; }

private:
    void Restart();

    std::int32_t mSeed;
    std::int32_t mLast = 0;
    std::array<std::int32_t, 32> mTable{};
};

} // namespace ExtLib
