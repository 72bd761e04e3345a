#pragma once

#include <optional>

namespace Tarvik {

// A fitted end-systolic or end-diastolic pressure-volume relation P(V): a straight line
// P = slope V + intercept, a quadratic P = p0 + p1 V + p2 V^2, or an exponential P = amplitude e^(rate V).
struct PVRelation {
    enum class Kind { Line, Quadratic, Exponential };

    Kind kind = Kind::Line;
    double c[3] = {0.0, 0.0,
                   0.0}; // Line: slope, intercept; Quadratic: p0, p1, p2; Exponential: rate, amplitude

    static PVRelation Line(double intercept, double slope) { return {Kind::Line, {slope, intercept, 0.0}}; }
    static PVRelation Quadratic(double p0, double p1, double p2) { return {Kind::Quadratic, {p0, p1, p2}}; }
    static PVRelation Exponential(double amplitude, double rate) {
        return {Kind::Exponential, {rate, amplitude, 0.0}};
    }

    double Pressure(double v) const;
};

// Root of f by the secant method from x0 and x1: steps x1 -= f(x1) (x1 - x0) / (f(x1) - f(x0)) until a
// step is below 5e-11 in magnitude (the root is then x1, the step not applied), at most 100 steps.
// False, with the last x1 in root, when it does not converge or a step is not finite.
template <class F> bool SecantRoot(F f, double x0, double x1, double& root) {
    constexpr double kTolerance = 5e-11;
    constexpr int kMaxSteps = 100;
    double f0 = f(x0);
    for (int step = 0; step < kMaxSteps; ++step) {
        const double f1 = f(x1);
        const double delta = f1 * (x1 - x0) / (f1 - f0);
        if (delta < kTolerance && delta > -kTolerance) {
            root = x1;
            return true;
        }
        if (!(delta - delta == 0.0)) // NaN or infinite
            break;
        x0 = x1;
        f0 = f1;
        x1 -= delta;
    }
    root = x1;
    return false;
}

// The volume and pressure where the end-systolic relation es meets the end-diastolic relation ed.
// Two lines meet in closed form (false when their slopes are equal). Otherwise the secant search runs
// from 0 and vStart (the largest end-diastolic volume), for a quadratic ESPVR from below its vertex
// -p1 / (2 p2) when that lies lower and the parabola opens downward, so that it finds the crossing on
// the rising limb. The pressure is es's at the volume found. None when the search does not converge.
struct PVPoint {
    double volume = 0.0;
    double pressure = 0.0;
};
std::optional<PVPoint> IntersectRelations(const PVRelation& es, const PVRelation& ed, double vStart);

} // namespace Tarvik
