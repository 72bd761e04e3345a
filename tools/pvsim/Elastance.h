#pragma once

namespace PvSim {

/// The normalised elastance of one beat, e(t) in [0, 1] for t seconds after its start: the
/// double-Hill function g1/(1 + g1) · 1/(1 + g2), g_i = (t/tau_i)^m_i (Stergiopulos, Meister &
/// Westerhof 1996), divided by its maximum so that it peaks at exactly 1.
class Elastance {
public:
    /// All arguments positive.
    Elastance(double tau1, double tau2, double m1, double m2);

    /// 0 for t <= 0.
    double operator()(double t) const;
    /// When e reaches 1, seconds after the start.
    double peakTime() const { return mPeakTime; }
    /// The same curve stretched in time so that it peaks at peakTime (> 0).
    Elastance stretchedToPeak(double peakTime) const;

    double tau1() const { return mTau1; }
    double tau2() const { return mTau2; }

private:
    double raw(double t) const;

    double mTau1, mTau2, mM1, mM2;
    double mPeakTime = 0.0;
    double mScale = 1.0;
};

} // namespace PvSim
