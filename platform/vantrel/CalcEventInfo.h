#pragma once
// The event-information record of a calculation enumerator or a sample
// channel: how the ticks of its events relate to the ticks of the record they
// are read from (a ratio of two 64-bit integers and an offset in ticks).
// A source without its own timing answers the defaults 1/1 and 0.

#include <cstddef>
#include <cstdint>

struct CalcEventInfo {
    std::int64_t tickRatioNumerator = 1;
    std::int64_t tickRatioDenominator = 1;
    double tickOffset = 0.0;
};

static_assert(sizeof(CalcEventInfo) == 24);
static_assert(offsetof(CalcEventInfo, tickRatioDenominator) == 8);
static_assert(offsetof(CalcEventInfo, tickOffset) == 16);
