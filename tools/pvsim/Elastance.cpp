#include "tools/pvsim/Elastance.h"

#include <algorithm>
#include <cmath>

namespace PvSim {

Elastance::Elastance(double tau1, double tau2, double m1, double m2)
    : mTau1(tau1), mTau2(tau2), mM1(m1), mM2(m2) {
    // d/dt log e = (m1/(1 + g1) - m2·g2/(1 + g2)) / t: the bracket falls from m1 to -m2 as t grows,
    // so its single root, found by bisection on log t, is the peak.
    double low = std::log(std::min(tau1, tau2) * 1e-6);
    double high = std::log(std::max(tau1, tau2) * 1e3);
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (low + high);
        const double t = std::exp(mid);
        const double g1 = std::pow(t / mTau1, mM1);
        const double g2 = std::pow(t / mTau2, mM2);
        (mM1 / (1.0 + g1) > mM2 * g2 / (1.0 + g2) ? low : high) = mid;
    }
    mPeakTime = std::exp(0.5 * (low + high));
    mScale = 1.0 / raw(mPeakTime);
}

double Elastance::raw(double t) const {
    if (t <= 0.0)
        return 0.0;
    const double g1 = std::pow(t / mTau1, mM1);
    const double g2 = std::pow(t / mTau2, mM2);
    return g1 / (1.0 + g1) / (1.0 + g2);
}

double Elastance::operator()(double t) const {
    return std::min(1.0, raw(t) * mScale);
}

Elastance Elastance::stretchedToPeak(double peakTime) const {
    const double stretch = peakTime / mPeakTime;
    return Elastance(mTau1 * stretch, mTau2 * stretch, mM1, mM2);
}

} // namespace PvSim
