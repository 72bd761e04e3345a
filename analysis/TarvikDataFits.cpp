// Straight-line relations over loops and the nonlinear pressure-volume relation fits.
#include "analysis/TarvikData.h"

#include "analysis/ExponFunc.h"
#include "analysis/FitFunction.h"
#include "analysis/FitStatistics.h"
#include "analysis/LineFit.h"
#include "analysis/LoopParameters.h"
#include "analysis/PVRelation.h"
#include "analysis/QuadraticFunc.h"

#include <cmath>

namespace Tarvik {

namespace {

constexpr std::size_t kQuadraticMinimumPoints = 3;
constexpr std::size_t kExponentialMinimumPoints = 2;

// A loop value as the lines take it: rounded to single precision.
double Single(double v) {
    return static_cast<float>(v);
}

// r^2 of the fit, when the statistics can be formed.
bool FitRSquared(const ExtLib::FunctionBase& model, const std::vector<double>& x,
                 const std::vector<double>& y, const std::vector<double>& params, double& rSquared) {
    std::vector<double> errors, lower, upper;
    double rss = 0.0, r2 = 0.0, s = 0.0;
    std::int32_t dof = 0;
    if (!ExtLib::FitStatistics(x, y, params, errors, lower, upper, rss, r2, s, dof, model))
        return false;
    rSquared = r2;
    return true;
}

} // namespace

// points(i, x, y): the point of loop i by global index; false when the loop cannot be read.
template <class Points>
bool TarvikData::FitGlobalLine(Points points, double& intercept, double& slope, double& rSquared) {
    const std::int32_t total = TotalCount();
    LineFit line;
    TarvikEvent loop;
    for (std::int32_t i = 0; i < total; ++i) {
        double x = 0.0, y = 0.0;
        if (points(i, loop, x, y) && loop.state == TarvikEvent::Valid)
            line.Add(Single(x), Single(y));
    }
    return line.Solve(intercept, slope, rSquared);
}

// The line through (x, y) of the loops by global index, read with or without volume correction.
bool TarvikData::FitLoopLine(bool withoutVP, double TarvikEvent::*x, double TarvikEvent::*y,
                             double& intercept, double& slope, double& rSquared) {
    return FitGlobalLine(
        [this, withoutVP, x, y](std::int32_t i, TarvikEvent& loop, double& px, double& py) {
            if (!(withoutVP ? mVchan.GetLoopWithoutVPByIndex(i, loop) : mVchan.GetLoopByIndex(i, loop)))
                return false;
            px = loop.*x;
            py = loop.*y;
            return true;
        },
        intercept, slope, rSquared);
}

bool TarvikData::FitPRSWLine(double& intercept, double& slope, double& rSquared) {
    return FitLoopLine(false, &TarvikEvent::ved, &TarvikEvent::sw, intercept, slope, rSquared);
}

bool TarvikData::FitdPdtMaxEDVLine(double& intercept, double& slope, double& rSquared) {
    return FitLoopLine(false, &TarvikEvent::ved, &TarvikEvent::dPdtMax, intercept, slope, rSquared);
}

bool TarvikData::FitSalineLine(double& intercept, double& slope, double& rSquared) {
    return FitLoopLine(true, &TarvikEvent::ved, &TarvikEvent::ves, intercept, slope, rSquared);
}

bool TarvikData::FitPVALine(LoopAccessor accessor, double& intercept, double& slope, double& rSquared) {
    if (!accessor)
        return false;
    return FitGlobalLine(
        [this, accessor](std::int32_t i, TarvikEvent& loop, double& x, double& y) {
            PVAEvent pva;
            if (!mVchan.GetLoopByIndex(i, loop) || !mVchan.GetPVAByIndex(i, pva))
                return false;
            x = accessor(loop);
            y = pva.pva;
            return true;
        },
        intercept, slope, rSquared);
}

bool TarvikData::FitIncludedLine(bool endSystolic, double& intercept, double& slope, double& rSquared) {
    const std::int32_t included = IncludedCount();
    LineFit line;
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included; ++i) {
        if (!mVchan.GetLoop(i, loop) || loop.state != TarvikEvent::Valid)
            continue;
        line.Add(Single(endSystolic ? loop.ves : loop.ved), Single(endSystolic ? loop.pes : loop.ped));
    }
    return line.Solve(intercept, slope, rSquared);
}

bool TarvikData::FitLinearEDPVR(double& intercept, double& slope, double& rSquared) {
    return FitIncludedLine(false, intercept, slope, rSquared);
}

bool TarvikData::FitLinearESPVR(double& intercept, double& slope, double& rSquared) {
    return FitIncludedLine(true, intercept, slope, rSquared);
}

// (Ves, Pes) or (Ved, Ped) of the usable loops with finite values, in display units unless rawUnits.
void TarvikData::CollectRelationData(bool endSystolic, bool rawUnits, std::vector<double>& x,
                                     std::vector<double>& y) {
    const std::int32_t included = IncludedCount();
    const std::uint32_t volumeChannel = mDocument.GetVolumeChannel();
    const std::uint32_t pressureChannel = mDocument.GetPressureChannel();
    TarvikEvent loop;
    for (std::int32_t i = 0; i < included; ++i) {
        if (!mVchan.GetLoop(i, loop) || loop.state != TarvikEvent::Valid)
            continue;
        double v = endSystolic ? loop.ves : loop.ved;
        double p = endSystolic ? loop.pes : loop.ped;
        if (!std::isfinite(v) || !std::isfinite(p))
            continue;
        if (!rawUnits) {
            mDocument.ApplyChannelScaling(volumeChannel, v);
            mDocument.ApplyChannelScaling(pressureChannel, p);
        }
        x.push_back(v);
        y.push_back(p);
    }
}

bool TarvikData::FitQuadraticRelation(std::vector<double>& params, double* rSquared, bool rawUnits) {
    std::vector<double> x, y;
    CollectRelationData(true, rawUnits, x, y);
    if (x.size() < kQuadraticMinimumPoints)
        return false;
    const QuadraticFunc model;
    std::vector<double> p;
    bool ok = ExtLib::FitFunction(model, x, y, p);
    if (ok && rSquared)
        ok = FitRSquared(model, x, y, p, *rSquared);
    params = p;
    return ok;
}

bool TarvikData::FitExponentialRelation(double* amplitude, double* rate, double* rSquared, bool rawUnits) {
    std::vector<double> x, y;
    CollectRelationData(false, rawUnits, x, y);
    if (x.size() < kExponentialMinimumPoints)
        return false;
    const ExponFunc model;
    std::vector<double> p;
    bool ok = ExtLib::FitFunction(model, x, y, p) && p[1] >= 0.0;
    if (ok && rSquared)
        FitRSquared(model, x, y, p, *rSquared);
    if (amplitude)
        *amplitude = p[1];
    if (rate)
        *rate = p[0];
    return ok;
}

bool TarvikData::FitPressureVolumeRelations(double& pressure, double& volume) {
    if (mIntersectionValid) {
        pressure = mIntersectionPressure;
        volume = mIntersectionVolume;
        return true;
    }
    const std::int32_t esType = mDocument.GetEspvrType();
    const std::int32_t edType = mDocument.GetEdpvrType();
    const double vStart = mExtents.ved.maximum;
    PVRelation es, ed;
    double a = 0.0, b = 0.0, r = 0.0;
    if (edType == EdpvrExponential) {
        double amplitude = 0.0, rate = 0.0;
        if (!FitExponentialRelation(&amplitude, &rate, &r, true))
            return false;
        ed = PVRelation::Exponential(amplitude, rate);
    } else if (edType == EdpvrLinear) {
        if (!FitLinearEDPVR(b, a, r))
            return false;
        ed = PVRelation::Line(b, a);
    } else {
        return false; // no end-diastolic relation of that kind
    }
    if (esType == EspvrLinear) {
        if (!FitLinearESPVR(b, a, r))
            return false;
        es = PVRelation::Line(b, a);
    } else if (esType == EspvrQuadratic) {
        std::vector<double> p;
        if (!FitQuadraticRelation(p, nullptr, true))
            return false;
        es = PVRelation::Quadratic(p[0], p[1], p[2]);
    } else {
        return false;
    }
    const std::optional<PVPoint> meet = IntersectRelations(es, ed, vStart);
    if (!meet)
        return false;
    mIntersectionVolume = volume = meet->volume;
    mIntersectionPressure = pressure = meet->pressure;
    mIntersectionValid = 0xFFFF;
    return true;
}

} // namespace Tarvik
