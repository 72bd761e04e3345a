#pragma once
// The step of "PVEdpDet": the end-diastolic point of every heart cycle, found
// as the foot of the pressure upstroke that leads to the cycle's peak event.
//
// Per cycle between the previous peak p and this peak c (ticks of the record):
// the diastolic minimum (tmin, pmin) in [p, c); the upstroke line L1 through
// the half-height crossing (the earliest sample of the run above half height
// that reaches the peak) with the steepest secant slope S1 into it;
// the baseline L2 from the minimum with the least secant slope S2 (so that the
// angle between them, pressure scaled by the cycle's samples per unit of
// amplitude, is at least 30 degrees); a dividing line L3 through their
// intersection at 0.4 of the remaining angle; the last sample at or below L3
// walking back from the peak; from there, back to where the local slope falls
// to 0.2 * (S1 + 9 * S2) / 2. The point is that tick, its sample the value.

#include <vector>

#include "analysis/EdpParams.h"
#include "analysis/EdpState.h"

namespace Tarvik {

class EdpAlgorithm {
public:
    enum class Outcome { Found, Failed, NeedData };

    // One step: true with out holding the next end-diastolic point (and the peak event that closed
    // its cycle), or false with the state's resume tick set.
    static bool NextEdp(EdpState& state, EdpParams& params, TarvikEdpEvent& out);

    // The minimum of the record's pressure before the first peak (at tick te with value vp), from
    // the range start: Found with its tick when the peak rises at least the minimum peak height
    // above it.
    static Outcome FindFirstReference(const EdpParams& params, std::int32_t te, float vp, std::int32_t& tick);

    // The end-diastolic point of the cycle [p, c) into state.pending (tick, fraction 0, value).
    static Outcome LocateEdp(EdpState& state, EdpParams& params);

    // The half-level crossing of an upstroke whose samples end just before its peak: walking back
    // from the last sample while samples lie strictly above level, the tick of the earliest of them,
    // its sample in value. first - 1 (value: the first sample) when the last sample is not above
    // level. samples[k] is the sample at tick first + k.
    static std::int32_t FindLastAboveLevel(const std::vector<double>& samples, std::int32_t first,
                                           double level, double& value);

    // The slope (v(i) - refValue) / (i - refTick) over start <= i < end that is strictly greater
    // (greater true) or strictly less than best; samples[k] is the sample at tick first + k. NaN
    // candidates never win.
    static double ExtremeSecantSlope(const std::vector<double>& samples, std::int32_t first,
                                     std::int32_t start, std::int32_t end, std::int32_t refTick,
                                     double refValue, bool greater, double best);

    // The samples of ticks [from, to) through cursor. NeedData while the host has not yet
    // delivered them, Failed when the channel ends before them.
    static Outcome ReadSpan(EEH3::FloatExWrapper& cursor, std::int32_t from, std::int32_t to,
                            std::vector<double>& samples);
};

} // namespace Tarvik
