#pragma once
// Comparison and description of event records by their OvoEventBase head (tick,
// fraction of a tick, value), whatever record type follows it.

#include "analysis/OvoEventBase.h"
#include "core/String.h"

namespace ExtLib {

struct EventHelper {
    /// True when a and b are one event: their values are both finite or both not (infinities and
    /// NaNs count as equal), their positions differ by less than 0.001 tick, and, for finite
    /// values not both below 1e-12 in size, |va - vb| / |va| < 1e-5. The relative test divides by
    /// a's value, so same(a, b) and same(b, a) may differ near the bound.
    static bool same(const OvoEventBase& a, const OvoEventBase& b);
    /// "[<position>, <value>]" in general notation with 6 significant digits: "[1500.25, 0.5]".
    static Ovo::String Describe(const OvoEventBase& event);
};

} // namespace ExtLib
