#pragma once
// The loop event of the loop analyser (264 bytes). Its position is the
// end-diastolic point that opens the loop. P is pressure and V volume in the
// channels' own units; ticks are samples of the pressure channel. Interface
// format: sizes and offsets are fixed.
//
// A new event is fully defined: position and value 0, state valid, systolic
// area 0, every loop value the "no value" NaN, so a loop that is never
// measured can be emitted without carrying garbage.

#include "analysis/NoValue.h"
#include "analysis/OvoEventBase.h"

namespace Tarvik {

// The head and state fields are the host's LoopEventFields.
struct TarvikEvent : LoopEventFields<OvoEventBase> {
    double vMax = NoValue();
    double vMin = NoValue();
    double pMax = NoValue();
    double pMin = NoValue();
    double pMean = NoValue();
    double reserved72 = 0.0;
    double ved = NoValue();     // end-diastolic volume
    double ped = NoValue();     // end-diastolic pressure
    double sw = NoValue();      // stroke work, P x V
    double ves = NoValue();     // end-systolic volume
    double pes = NoValue();     // end-systolic pressure
    double hr = NoValue();      // beats per minute
    double powMax = NoValue();  // P x V per second
    double ef = NoValue();      // percent
    double dPdtMax = NoValue(); // per second
    double dPdtMin = NoValue();
    double dVdtMax = NoValue(); // per second
    double dVdtMin = NoValue();
    double vAtDPdtMax = NoValue();
    double vAtDPdtMin = NoValue();
    double pAtDVdtMax = NoValue();
    double pAtDPdtMax = NoValue();
    double tau = NoValue(); // milliseconds
    std::int32_t loopStartIndex = 0;
    std::int32_t endSystoleIndex = 0;
    // Twice the signed area swept from the first sample to end-systole about the
    // first sample, with what is needed to close it to any later point.
    double systolicArea = 0.0;
    double systolicRefP = NoValue();   // first sample's pressure
    double systolicRefV = NoValue();   // first sample's volume
    double systolicLastDV = NoValue(); // last volume difference of the sum
    double systolicLastDP = NoValue(); // last pressure difference of the sum
};

} // namespace Tarvik

// offsetof on a derived record: GCC lays out a non-virtual single base first, as the host expects.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(Tarvik::TarvikEvent) == 264);
static_assert(sizeof(Tarvik::TarvikEvent) == kLoopEventBytes);
static_assert(offsetof(Tarvik::TarvikEvent, tick) == 0 && offsetof(Tarvik::TarvikEvent, fraction) == 4);
static_assert(offsetof(Tarvik::TarvikEvent, value) == 8);
static_assert(offsetof(Tarvik::TarvikEvent, loopStartTick) == 16);
static_assert(offsetof(Tarvik::TarvikEvent, endSystoleTick) == 20);
static_assert(offsetof(Tarvik::TarvikEvent, state) == 24);
static_assert(offsetof(Tarvik::TarvikEvent, reserved28) == 28);
static_assert(offsetof(Tarvik::TarvikEvent, vMax) == 32);
static_assert(offsetof(Tarvik::TarvikEvent, vMin) == 40);
static_assert(offsetof(Tarvik::TarvikEvent, pMax) == 48);
static_assert(offsetof(Tarvik::TarvikEvent, pMin) == 56);
static_assert(offsetof(Tarvik::TarvikEvent, pMean) == 64);
static_assert(offsetof(Tarvik::TarvikEvent, reserved72) == 72);
static_assert(offsetof(Tarvik::TarvikEvent, ved) == 80);
static_assert(offsetof(Tarvik::TarvikEvent, ped) == 88);
static_assert(offsetof(Tarvik::TarvikEvent, sw) == 96);
static_assert(offsetof(Tarvik::TarvikEvent, ves) == 104);
static_assert(offsetof(Tarvik::TarvikEvent, pes) == 112);
static_assert(offsetof(Tarvik::TarvikEvent, hr) == 120);
static_assert(offsetof(Tarvik::TarvikEvent, powMax) == 128);
static_assert(offsetof(Tarvik::TarvikEvent, ef) == 136);
static_assert(offsetof(Tarvik::TarvikEvent, dPdtMax) == 144);
static_assert(offsetof(Tarvik::TarvikEvent, dPdtMin) == 152);
static_assert(offsetof(Tarvik::TarvikEvent, dVdtMax) == 160);
static_assert(offsetof(Tarvik::TarvikEvent, dVdtMin) == 168);
static_assert(offsetof(Tarvik::TarvikEvent, vAtDPdtMax) == 176);
static_assert(offsetof(Tarvik::TarvikEvent, vAtDPdtMin) == 184);
static_assert(offsetof(Tarvik::TarvikEvent, pAtDVdtMax) == 192);
static_assert(offsetof(Tarvik::TarvikEvent, pAtDPdtMax) == 200);
static_assert(offsetof(Tarvik::TarvikEvent, tau) == 208);
static_assert(offsetof(Tarvik::TarvikEvent, loopStartIndex) == 216);
static_assert(offsetof(Tarvik::TarvikEvent, endSystoleIndex) == 220);
static_assert(offsetof(Tarvik::TarvikEvent, systolicArea) == 224);
static_assert(offsetof(Tarvik::TarvikEvent, systolicRefP) == 232);
static_assert(offsetof(Tarvik::TarvikEvent, systolicRefV) == 240);
static_assert(offsetof(Tarvik::TarvikEvent, systolicLastDV) == 248);
static_assert(offsetof(Tarvik::TarvikEvent, systolicLastDP) == 256);
#pragma GCC diagnostic pop
