#include "TestSuite/UnitTestHelperLib/ShuffledUniformRandom.h"

#include <climits>
#include <cmath>
#include <ctime>

namespace ExtLib {
namespace {

constexpr std::int32_t kMultiplier = 16807;
constexpr std::int32_t kModulus = 2147483647;
constexpr std::int32_t kQuotient = 127773; // kModulus / kMultiplier
constexpr std::int32_t kRemainder = 2836;  // kModulus % kMultiplier
constexpr std::int32_t kTableDivisor = 1 + (kModulus - 1) / 32;
constexpr double kLargest = 1.0 - 1.2e-7;

} // namespace

std::int32_t ShuffledUniformRandom::SeedFromClock() {
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(std::time(nullptr)));
    if (low == INT32_MIN)
        return low;
    return low < 0 ? low : -low;
}

std::int32_t ShuffledUniformRandom::Step(std::int32_t seed) {
    const std::int32_t k = seed / kQuotient;
    std::int32_t next = kMultiplier * (seed - k * kQuotient) - kRemainder * k;
    if (next < 0)
        next += kModulus;
    return next;
}

void ShuffledUniformRandom::Restart() {
    // A negative seed is negated; any other (and INT32_MIN, whose negation has no 32-bit value)
    // starts from 1.
    mSeed = mSeed < 0 && mSeed != INT32_MIN ? -mSeed : 1;
    for (int j = static_cast<int>(mTable.size()) + 7; j >= 0; --j) {
        mSeed = Step(mSeed);
        if (j < static_cast<int>(mTable.size()))
            mTable[static_cast<std::size_t>(j)] = mSeed;
    }
    mLast = mTable[0];
}

float ShuffledUniformRandom::Next() {
    if (mSeed <= 0 || mLast == 0)
        Restart();
    mSeed = Step(mSeed);
    const auto j = static_cast<std::size_t>(mLast / kTableDivisor);
    mLast = mTable[j];
    mTable[j] = mSeed;
    const auto value = static_cast<float>(mLast * (1.0 / kModulus));
    return value > kLargest ? static_cast<float>(kLargest) : value;
}

std::int32_t ShuffledUniformRandom::Draw(std::int32_t k) {
    return static_cast<std::int32_t>(std::trunc(Next() * (k + 0.999999999)));
}

} // namespace ExtLib
