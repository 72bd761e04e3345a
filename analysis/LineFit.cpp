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
    mSx += x;
    mSy += y;
    mSxx += x * x;
    mSyy += y * y;
    mSxy += x * y;
    mN += 1;
}

bool LineFit::Solve(double& intercept, double& slope, double& rSquared) const {
    if (mN < 2)
        return false;
    const double n = mN;
    const double mx = mSx / n;
    const double my = mSy / n;
    const double dxx = mSxx - n * mx * mx;
    const double dxy = mSxy - n * mx * my;
    const double dyy = mSyy - n * my * my;
    if (!HasSpread(dxx) || !HasSpread(dyy))
        return false;
    slope = dxy / dxx;
    intercept = my - slope * mx;
    rSquared = dxy * dxy / (dxx * dyy);
    return true;
}

} // namespace Tarvik
