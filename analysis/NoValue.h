#pragma once
// The "no value" NaN that every missing loop value holds: high word
// 0x7FF86000, low word 0. Other NaNs are missing values too, but only this
// pattern marks a loop value that was never computed.

#include <bit>
#include <cstdint>

#include "core/NumericHelpers.h"

// The not-a-number value of the core library.
inline constexpr std::uint64_t kNoValueBits = kNotANumberBits;

constexpr double NoValue() {
    return std::bit_cast<double>(kNoValueBits);
}

constexpr bool IsNoValue(double v) {
    return std::bit_cast<std::uint64_t>(v) == kNoValueBits;
}
