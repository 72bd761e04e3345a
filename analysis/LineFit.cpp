#include "analysis/LineFit.h"

#include <cfloat>
#include <cmath>

namespace Tarvik {

namespace {

// Also false for NaN.
bool HasSpread(double d) {
    return std::fabs(d) > DBL_EPSILON;
}

} // namespace

void LineFit::Add(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    sx_ += x;
    sy_ += y;
    sxx_ += x * x;
    syy_ += y * y;
    sxy_ += x * y;
    n_ += 1;
}

bool LineFit::Solve(double& intercept, double& slope, double& rSquared) const {
    if (n_ < 2)
        return false;
    const double n = n_;
    const double mx = sx_ / n;
    const double my = sy_ / n;
    const double dxx = sxx_ - n * mx * mx;
    const double dxy = sxy_ - n * mx * my;
    const double dyy = syy_ - n * my * my;
    if (!HasSpread(dxx) || !HasSpread(dyy))
        return false;
    slope = dxy / dxx;
    intercept = my - slope * mx;
    rSquared = dxy * dxy / (dxx * dyy);
    return true;
}

} // namespace Tarvik
