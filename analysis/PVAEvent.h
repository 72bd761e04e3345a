#pragma once
// The event of the pressure-volume-area calculation (48 bytes), at the
// position of its loop event. A new event has position and value 0 and the
// energies the "no value" NaN.

#include "analysis/NoValue.h"
#include "analysis/OvoEventBase.h"

namespace Tarvik {

struct PVAEvent : OvoEventBase {
    double pe = NoValue(); // potential energy
    double reserved24 = 0.0;
    double pva = NoValue(); // pressure-volume area
    double sw = NoValue();  // stroke work of the loop
};

} // namespace Tarvik

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(Tarvik::PVAEvent) == 48);
static_assert(offsetof(Tarvik::PVAEvent, tick) == 0 && offsetof(Tarvik::PVAEvent, fraction) == 4);
static_assert(offsetof(Tarvik::PVAEvent, value) == 8);
static_assert(offsetof(Tarvik::PVAEvent, pe) == 16);
static_assert(offsetof(Tarvik::PVAEvent, reserved24) == 24);
static_assert(offsetof(Tarvik::PVAEvent, pva) == 32);
static_assert(offsetof(Tarvik::PVAEvent, sw) == 40);
#pragma GCC diagnostic pop
