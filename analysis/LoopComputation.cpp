#include "analysis/LoopComputation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "analysis/Saturate.h"
#include "analysis/TauFit.h"

namespace Tarvik {

namespace {

// A running extreme: its start value until a strictly greater (or smaller) value replaces it.
struct Extreme {
    double value;
    bool greater;
    bool Offer(double v) {
        if (greater ? v > value : v < value) {
            value = v;
            return true;
        }
        return false;
    }
    // The value, or "no value" when nothing replaced the start value.
    double Result() const { return value == (greater ? -DBL_MAX : DBL_MAX) ? NoValue() : value; }
};

Extreme Max() {
    return {-DBL_MAX, true};
}
Extreme Min() {
    return {DBL_MAX, false};
}

// Extremes, mean and end-systole over the first n samples.
void FirstPass(TarvikEvent& out, const std::vector<float>& P, const std::vector<float>& V, std::size_t n) {
    Extreme pMax = Max(), pMin = Min(), vMax = Max(), vMin = Min(), ratio = Max();
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double p = P[i], v = V[i];
        sum += p;
        pMax.Offer(p);
        pMin.Offer(p);
        vMax.Offer(v);
        vMin.Offer(v);
        if (ratio.Offer(p / v)) {
            out.pes = p;
            out.ves = v;
            out.endSystoleIndex = static_cast<std::int32_t>(i);
            out.endSystoleTick = out.loopStartTick + static_cast<std::int32_t>(i);
        }
    }
    out.pMean = n > 0 ? sum / static_cast<double>(n) : NoValue();
    out.pMax = pMax.Result();
    out.pMin = pMin.Result();
    out.vMax = vMax.Result();
    out.vMin = vMin.Result();
}

// dP/dt and dV/dt extremes with the pressure and volume where they occur, ejection power, EF.
void SecondPass(TarvikEvent& out, const std::vector<float>& P, const std::vector<float>& V,
                const std::vector<float>& dP, const std::vector<float>& dV) {
    Extreme dpMax = Max(), dpMin = Min(), dvMax = Max(), dvMin = Min(), power = Max();
    const std::size_t n = std::min({dP.size(), dV.size(), P.size(), V.size()});
    for (std::size_t i = 0; i < n; ++i) {
        if (dpMax.Offer(dP[i])) {
            out.vAtDPdtMax = V[i];
            out.pAtDPdtMax = P[i];
        }
        if (dpMin.Offer(dP[i]))
            out.vAtDPdtMin = V[i];
        if (dvMax.Offer(dV[i]))
            out.pAtDVdtMax = P[i];
        dvMin.Offer(dV[i]);
        power.Offer(static_cast<double>(P[i]) * -static_cast<double>(dV[i]));
    }
    out.ef = (out.vMax - out.vMin) * 100.0 / out.vAtDPdtMax;
    out.powMax = power.Result();
    out.dPdtMax = dpMax.Result();
    out.dPdtMin = dpMin.Result();
    out.dVdtMax = dvMax.Result();
    out.dVdtMin = dvMin.Result();
    if (std::isnan(out.dVdtMax))
        out.pAtDVdtMax = NoValue();
}

// Twice the signed area swept about (P[ref], V[ref]) by samples first .. last, with the last
// differences of the sum.
double FanSum(const std::vector<float>& P, const std::vector<float>& V, std::size_t ref, std::size_t first,
              std::size_t last, double& lastX, double& lastY) {
    double sum = 0.0;
    lastX = lastY = 0.0;
    for (std::size_t k = first; k <= last; ++k) {
        const double x = static_cast<double>(V[k]) - V[ref];
        const double y = static_cast<double>(P[k]) - P[ref];
        sum += lastX * y - x * lastY;
        lastX = x;
        lastY = y;
    }
    return sum;
}

void Areas(TarvikEvent& out, const std::vector<float>& P, const std::vector<float>& V, std::size_t n) {
    double x = 0.0, y = 0.0;
    out.sw = 0.5 * FanSum(P, V, n - 1, 0, n - 1, x, y);
    const auto es = static_cast<std::size_t>(out.endSystoleIndex);
    out.systolicArea = es >= 1 ? FanSum(P, V, 0, 1, es, x, y) : 0.0;
    if (es < 1)
        x = y = 0.0;
    out.systolicRefP = P[0];
    out.systolicRefV = V[0];
    out.systolicLastDV = x;
    out.systolicLastDP = y;
}

// Every loop value that came out NaN (from NaN samples, or 0 / 0) holds the one "no value" pattern.
void MarkMissing(TarvikEvent& out) {
    static constexpr double TarvikEvent::*kValues[] = {&TarvikEvent::vMax,
                                                       &TarvikEvent::vMin,
                                                       &TarvikEvent::pMax,
                                                       &TarvikEvent::pMin,
                                                       &TarvikEvent::pMean,
                                                       &TarvikEvent::ved,
                                                       &TarvikEvent::ped,
                                                       &TarvikEvent::sw,
                                                       &TarvikEvent::ves,
                                                       &TarvikEvent::pes,
                                                       &TarvikEvent::hr,
                                                       &TarvikEvent::powMax,
                                                       &TarvikEvent::ef,
                                                       &TarvikEvent::dPdtMax,
                                                       &TarvikEvent::dPdtMin,
                                                       &TarvikEvent::dVdtMax,
                                                       &TarvikEvent::dVdtMin,
                                                       &TarvikEvent::vAtDPdtMax,
                                                       &TarvikEvent::vAtDPdtMin,
                                                       &TarvikEvent::pAtDVdtMax,
                                                       &TarvikEvent::pAtDPdtMax,
                                                       &TarvikEvent::tau,
                                                       &TarvikEvent::systolicRefP,
                                                       &TarvikEvent::systolicRefV,
                                                       &TarvikEvent::systolicLastDV,
                                                       &TarvikEvent::systolicLastDP};
    for (double TarvikEvent::*value : kValues)
        if (std::isnan(out.*value))
            out.*value = NoValue();
}

} // namespace

void LoopComputation::Compute(TarvikEvent& out, const std::vector<float>& P, const std::vector<float>& V,
                              double nextPosition, double dt) {
    Workspace work;
    Compute(out, P, V, nextPosition, dt, work);
}

void LoopComputation::Compute(TarvikEvent& out, const std::vector<float>& P, const std::vector<float>& V,
                              double nextPosition, double dt, Workspace& work) {
    const std::size_t n = std::min(P.size(), V.size());
    if (n == 0)
        return;
    out.pes = out.ves = NoValue();
    out.endSystoleTick = 0;
    out.endSystoleIndex = 0;
    FirstPass(out, P, V, n);
    const double start = out.GetPosition();
    if (nextPosition > 0.0 && dt > 0.0) {
        out.state = TarvikEvent::Valid;
        out.hr = 60.0 / ((nextPosition - start) * dt);
    }
    Derivative(P, work.dPdt, dt);
    Derivative(V, work.dVdt, dt);
    SecondPass(out, P, V, work.dPdt, work.dVdt);
    out.ped = P[0];
    out.ved = V[0];
    Areas(out, P, V, n);
    Relaxation(P, work.dPdt, out, dt, work.pressure);
    MarkMissing(out);
}

bool LoopComputation::Derivative(const std::vector<float>& x, std::vector<float>& out, double dt) {
    if (x.size() < 3 || !(dt > 0.0)) {
        out.assign(x.size(), 0.0f);
        return false;
    }
    out.resize(x.size()); // every element is written below
    const double s = 1.0 / dt;
    out[0] = SaturateToFloat((static_cast<double>(x[1]) - x[0]) * s);
    for (std::size_t i = 1; i < x.size(); ++i)
        out[i] = SaturateToFloat((static_cast<double>(x[i]) - x[i - 1]) * s);
    return true;
}

// A failed fit stores "no value", never the fit's starting guess.
void LoopComputation::Relaxation(const std::vector<float>& P, const std::vector<float>& dP, TarvikEvent& out,
                                 double dt, std::vector<double>& samples) {
    out.tau = NoValue();
    if (P.empty() || dP.size() != P.size() || !(dt > 0.0))
        return;
    const std::size_t m = static_cast<std::size_t>(std::min_element(dP.begin(), dP.end()) - dP.begin());
    const double ped = P[0];
    std::size_t e = m;
    while (e < P.size() - 1 && !(P[e] <= ped))
        ++e;
    if (!(m < e && e - m > 2))
        return;
    // The fit reads no further than e.
    samples.assign(P.begin(), P.begin() + static_cast<std::ptrdiff_t>(e) + 1);
    double amplitude = 0.0, tau = 0.0, asymptote = 0.0;
    if (ExtLib::FitTau(samples, static_cast<std::int32_t>(m), static_cast<std::int32_t>(e), 1.0 / dt, 0.0,
                       amplitude, tau, asymptote))
        out.tau = 1000.0 * tau;
}

} // namespace Tarvik
