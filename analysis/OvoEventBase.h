#pragma once
// The head of every event record handed to the host (EventRecord), with the
// module's position helpers.

#include <cstddef>
#include <cstdint>

#include "platform/vantrel/EventRecords.h"

struct OvoEventBase : EventRecord {
    // Position p in ticks: tick = p + 0.5 truncated toward zero, fraction = p - tick.
    void SetPosition(double p) { SplitPosition(p, tick, fraction); }
    double GetPosition() const { return tick + static_cast<double>(fraction); }

    // The split behind SetPosition, for records that carry a second position.
    // The rule is meant for non-negative positions; a NaN or a position outside
    // the 32-bit range gives tick INT32_MIN, and the fraction keeps p - tick.
    static void SplitPosition(double p, std::int32_t& tick, float& fraction);
};

static_assert(sizeof(OvoEventBase) == 16);
static_assert(offsetof(OvoEventBase, tick) == 0);
static_assert(offsetof(OvoEventBase, fraction) == 4);
static_assert(offsetof(OvoEventBase, value) == 8);
