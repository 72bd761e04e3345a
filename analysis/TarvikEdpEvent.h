#pragma once
// The event of the end-diastolic point detectors (32 bytes): the end-diastolic
// point, and a second position and value whose meaning each detector defines.
// A new event has both positions and both values zero.

#include "analysis/OvoEventBase.h"

namespace Tarvik {

struct TarvikEdpEvent : OvoEventBase {
    std::int32_t secondTick = 0;
    float secondFraction = 0.0f;
    double secondValue = 0.0;

    void SetSecondPosition(double p) { SplitPosition(p, secondTick, secondFraction); }
    double GetSecondPosition() const { return secondTick + static_cast<double>(secondFraction); }
};

} // namespace Tarvik

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(Tarvik::TarvikEdpEvent) == 32);
static_assert(offsetof(Tarvik::TarvikEdpEvent, tick) == 0 && offsetof(Tarvik::TarvikEdpEvent, fraction) == 4);
static_assert(offsetof(Tarvik::TarvikEdpEvent, value) == 8);
static_assert(offsetof(Tarvik::TarvikEdpEvent, secondTick) == 16);
static_assert(offsetof(Tarvik::TarvikEdpEvent, secondFraction) == 20);
static_assert(offsetof(Tarvik::TarvikEdpEvent, secondValue) == 24);
#pragma GCC diagnostic pop
