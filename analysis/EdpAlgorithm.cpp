#include "analysis/EdpAlgorithm.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <numbers>

#include "analysis/Saturate.h"
#include "core/NumericHelpers.h"

namespace Tarvik {

namespace {

constexpr double kLeastAngle = std::numbers::pi / 6; // 30 degrees between upstroke and baseline

// The cycle's samples from the diastolic minimum up to the peak: v[k] is tick tmin + k.
struct Upstroke {
    std::vector<double>& v;
    std::int32_t tmin = 0;
    double pmin = 0.0;
    double at(std::int32_t tick) const { return v[static_cast<std::size_t>(tick - tmin)]; }
    std::int32_t end() const { return tmin + static_cast<std::int32_t>(v.size()); } // the peak tick c
};

// The baseline slope S2: the least secant from the minimum, over the last three quarters of the
// rise, then over all of it, then 0; the first whose angle to the upstroke is at least 30 degrees.
double BaselineSlope(const Upstroke& up, std::int32_t tu, double scale, double theta1, double& theta2) {
    const std::int32_t quarter = TruncateToInt32((3.0 * up.tmin + tu) * 0.25);
    for (std::int32_t from : {quarter, up.tmin}) {
        const double s2 =
            EdpAlgorithm::ExtremeSecantSlope(up.v, up.tmin, from, tu, up.tmin, up.pmin, false, DBL_MAX);
        theta2 = std::atan(scale * s2);
        if (theta1 - theta2 >= kLeastAngle)
            return s2;
    }
    theta2 = 0.0;
    return 0.0;
}

// The end-diastolic tick of a cycle from its upstroke samples and peak pressure.
std::int32_t FootOfUpstroke(const Upstroke& up, double peak) {
    const double amplitude = peak - up.pmin;
    double vu = 0.0;
    const std::int32_t tu = EdpAlgorithm::FindLastAboveLevel(up.v, up.tmin, (peak + up.pmin) * 0.5, vu);
    const double s1 = EdpAlgorithm::ExtremeSecantSlope(up.v, up.tmin, up.tmin, tu, tu, vu, true, 0.0);
    const double scale = static_cast<double>(up.v.size()) / amplitude; // ticks per pressure unit
    const double theta1 = std::atan(scale * s1);
    double theta2 = 0.0;
    const double s2 = BaselineSlope(up, tu, scale, theta1, theta2);
    const double phi = 0.4 * (std::numbers::pi - (theta1 - theta2)) - theta2;
    const double s3 = -std::tan(phi) / scale;
    const double b1 = vu - s1 * tu;
    const double b2 = up.pmin - s2 * up.tmin;
    const double b3 = b2 + (s2 - s3) * (b1 - b2) / (s2 - s1);

    const std::int32_t last = up.end() - 1;
    std::int32_t j = last;
    while (j > up.tmin && !(up.at(j) <= s3 * j + b3))
        --j;
    const double threshold = (9.0 * s2 + s1) / 5.0;
    while (j > up.tmin) {
        const bool flat =
            j == last ? up.at(j) - up.at(j - 1) <= threshold / 2 : up.at(j + 1) - up.at(j - 1) <= threshold;
        if (flat)
            break;
        --j;
    }
    return j;
}

// Phases 0 and 1: the first peak inside the range with a finite value, then the first peak (from
// there on) whose reference minimum passes the height test and lies inside the range. True when
// phase 2 is reached; false when events or samples are still to come.
bool FindFirstPeak(EdpState& state, EdpParams& params) {
    EEH3::EventWrapper& peaks = params.Peaks();
    while (state.phase == 0) {
        state.resultCode = 2;
        if (!peaks.HasCurrent())
            return false;
        const OvoEventBase peak = peaks.Current();
        if (params.IsInsideLimits(peak.tick) && std::isfinite(peak.value))
            state.phase = 1;
        else
            peaks.Advance();
    }
    while (state.phase == 1) {
        if (!peaks.HasCurrent())
            return false;
        const OvoEventBase peak = peaks.Current();
        std::int32_t tick = 0;
        const auto found =
            EdpAlgorithm::FindFirstReference(params, peak.tick, SaturateToFloat(peak.value), tick);
        if (found == EdpAlgorithm::Outcome::NeedData)
            return false;
        if (found == EdpAlgorithm::Outcome::Found) {
            state.currentTick = tick;
            if (params.IsInsideLimits(tick)) {
                state.phase = 2;
                return true;
            }
        }
        peaks.Advance();
    }
    return true;
}

// Phase 2: the next peak closes a cycle begun at the previous one. False when it lies outside the
// range, which ends the record.
bool TakePeak(EdpState& state, EdpParams& params) {
    EEH3::EventWrapper& peaks = params.Peaks();
    const OvoEventBase peak = peaks.Current();
    state.previousTick = state.currentTick;
    state.currentTick = peak.tick;
    if (!params.IsInsideLimits(peak.tick))
        return false;
    state.phase = 3;
    params.Pressure().Seek(peak.tick);
    state.pending.secondTick = peak.tick;
    state.pending.secondFraction = peak.fraction;
    state.pending.secondValue = peak.value;
    peaks.Advance();
    return true;
}

// Nothing can be emitted now: resume at the current tick (no end-diastolic point to come lies
// before it), or nowhere once the peak events have ended.
bool Wait(EdpState& state, EdpParams& params) {
    state.resumeTick = params.Peaks().InputEnded() ? INT32_MAX : std::max(state.currentTick, 0);
    return false;
}

} // namespace

// A cycle whose point cannot be located (its samples missing, or its peaks out of order) is
// skipped: nothing is emitted for it, and its peak opens the next cycle.
bool EdpAlgorithm::NextEdp(EdpState& state, EdpParams& params, TarvikEdpEvent& out) {
    if (state.finished) {
        state.resumeTick = INT32_MAX;
        return false;
    }
    for (;;) {
        if (state.phase < 2 && !FindFirstPeak(state, params))
            return Wait(state, params);
        if (state.phase == 2) {
            if (!params.Peaks().HasCurrent())
                return Wait(state, params);
            if (!TakePeak(state, params)) {
                state.resumeTick = INT32_MAX;
                return false;
            }
        }
        const bool ordered = state.previousTick >= 0 && state.previousTick < state.currentTick;
        const Outcome located = ordered ? LocateEdp(state, params) : Outcome::Failed;
        if (located == Outcome::NeedData) {
            state.resumeTick = state.previousTick;
            return false;
        }
        if (located == Outcome::Failed) {
            state.phase = 2;
            continue;
        }
        if (state.endLimit >= 0 && state.pending.tick >= state.endLimit) {
            state.resumeTick = state.endLimit;
            return false;
        }
        state.resumeTick = state.pending.tick + 1;
        state.phase = 2;
        out = state.pending;
        return true;
    }
}

// Taking the first sample above level instead (always the one next to the peak) would make S1 the
// chord to the peak, a fraction of the upstroke's slope, and let the walk back run on through an
// atrial kick or a filling ramp.
std::int32_t EdpAlgorithm::FindLastAboveLevel(const std::vector<double>& samples, std::int32_t first,
                                              double level, double& value) {
    std::size_t k = samples.size();
    while (k > 0 && samples[k - 1] > level)
        --k;
    if (k == samples.size()) {
        value = samples.empty() ? 0.0 : samples.front();
        return first - 1;
    }
    value = samples[k];
    return first + static_cast<std::int32_t>(k);
}

double EdpAlgorithm::ExtremeSecantSlope(const std::vector<double>& samples, std::int32_t first,
                                        std::int32_t start, std::int32_t end, std::int32_t refTick,
                                        double refValue, bool greater, double best) {
    start = std::max(start, first);
    end = std::min<std::int64_t>(end, first + static_cast<std::int64_t>(samples.size()));
    for (std::int32_t i = start; i < end; ++i) {
        const double candidate = (samples[static_cast<std::size_t>(i - first)] - refValue) / (i - refTick);
        if (greater ? candidate > best : candidate < best)
            best = candidate;
    }
    return best;
}

EdpAlgorithm::Outcome EdpAlgorithm::ReadSpan(EEH3::FloatExWrapper& cursor, std::int32_t from, std::int32_t to,
                                             std::vector<double>& samples) {
    samples.clear();
    if (to <= from)
        return Outcome::Found;
    samples.reserve(static_cast<std::size_t>(to - from));
    cursor.Seek(from);
    std::array<float, 256> block;
    for (std::int32_t left = to - from; left > 0;) {
        const std::int32_t wanted = std::min(left, static_cast<std::int32_t>(block.size()));
        const std::int32_t read = cursor.Read(block.data(), wanted);
        samples.insert(samples.end(), block.begin(), block.begin() + read);
        if (read < wanted)
            return cursor.InputEnded() ? Outcome::Failed : Outcome::NeedData;
        left -= read;
    }
    return Outcome::Found;
}

// Scans from the range start (in the start record) or the record start up to the peak, keeping the
// earliest of equal minima; the rise is measured in float, as the height is given.
EdpAlgorithm::Outcome EdpAlgorithm::FindFirstReference(const EdpParams& params, std::int32_t te, float vp,
                                                       std::int32_t& tick) {
    const std::int32_t start = params.currentRecord == params.limitStart.record ? params.limitStart.tick : 0;
    EEH3::FloatExWrapper& cursor = params.SecondCursor();
    float best = vp;
    std::int32_t bestTick = te;
    cursor.Seek(start);
    for (std::int32_t t = start; t < te; ++t) {
        if (!cursor.HasCurrent())
            return cursor.InputEnded() ? Outcome::Failed : Outcome::NeedData;
        if (cursor.Value() < best) {
            best = cursor.Value();
            bestTick = t;
        }
        cursor.Advance();
    }
    if (!(vp - best >= params.minPeakHeight))
        return Outcome::Failed;
    tick = bestTick;
    return Outcome::Found;
}

EdpAlgorithm::Outcome EdpAlgorithm::LocateEdp(EdpState& state, EdpParams& params) {
    EEH3::FloatExWrapper& pressure = params.Pressure();
    pressure.Seek(state.currentTick);
    if (!pressure.HasCurrent())
        return pressure.InputEnded() ? Outcome::Failed : Outcome::NeedData;
    const double peak = pressure.Value();
    Upstroke up{params.upstroke};
    const Outcome read = ReadSpan(params.SecondCursor(), state.previousTick, state.currentTick, up.v);
    if (read != Outcome::Found)
        return read;
    const auto minimum = std::min_element(up.v.begin(), up.v.end()); // the earliest of equals
    up.tmin = state.previousTick + static_cast<std::int32_t>(minimum - up.v.begin());
    up.pmin = *minimum;
    up.v.erase(up.v.begin(), minimum);
    const std::int32_t edp = FootOfUpstroke(up, peak);
    state.pending.tick = edp;
    state.pending.fraction = 0.0f;
    state.pending.value = up.at(edp);
    return Outcome::Found;
}

} // namespace Tarvik
