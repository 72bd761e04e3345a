#pragma once
// The haemodynamic values of one heart cycle, from its pressure and volume
// samples P[i], V[i] (i = 0 .. n-1, one tick of dt seconds apart, from the
// opening end-diastolic point up to the closing one, excluded). Values are in
// the channels' own units; derivatives per second.
//
//   Pmax, Pmin, Vmax, Vmin, Pmean   over the cycle (NaN samples never extremes)
//   Ped = P[0], Ved = V[0]          end-diastole
//   Pes, Ves                        end-systole: the first maximum of P / V (elastance,
//                                   Suga, Sagawa & Shoukas 1973, with V0 = 0)
//   SW                              the signed area of the closed loop (V horizontal), positive
//                                   counter-clockwise: 1/2 sum (x[k-1] y[k] - x[k] y[k-1]) about the
//                                   last sample (shoelace formula)
//   HR = 60 / RR                    beats per minute, RR the cycle length in seconds
//   dP/dt, dV/dt extremes           backward differences (the first sample forward)
//   PowMax = max P * (-dV/dt)       the greatest ejection power (Kass & Beyar 1991)
//   EF = SV * 100 / V@dP/dt max     percent; V at dP/dt max stands for the end-diastolic volume
//   Tau                             ms: P = A e^(-t / tau) fitted from the dP/dt minimum down to Ped
//                                   (Weiss, Frederiksen & Weisfeldt 1976)
// Every value that cannot be computed is the "no value" NaN.

#include <vector>

#include "analysis/TarvikEvent.h"

namespace Tarvik {

class LoopComputation {
public:
    // The scratch of Compute: kept from one cycle to the next, its memory is reused.
    struct Workspace {
        std::vector<float> dPdt;
        std::vector<float> dVdt;
        std::vector<double> pressure; // the relaxation's samples as the tau fit reads them
    };

    // Fills the loop values of out. out's position and loop start tick are the cycle's start;
    // nextPosition (ticks) is the closing end-diastolic point. HR and the state are set only when
    // nextPosition and dt are positive. Nothing is computed for an empty cycle.
    static void Compute(TarvikEvent& out, const std::vector<float>& pressure,
                        const std::vector<float>& volume, double nextPosition, double dt);
    static void Compute(TarvikEvent& out, const std::vector<float>& pressure,
                        const std::vector<float>& volume, double nextPosition, double dt, Workspace& work);

    // out[i] = (x[i] - x[i-1]) / dt, out[0] = (x[1] - x[0]) / dt. False, with out all zeros, when
    // x has fewer than 3 samples or dt is not positive.
    static bool Derivative(const std::vector<float>& x, std::vector<float>& out, double dt);

    // Tau in ms into out.tau: the pressure decay from the dP/dt minimum to the first sample at or
    // below Ped (= P[0]); the "no value" NaN when that stretch has fewer than 4 samples or the fit
    // fails. samples is scratch.
    static void Relaxation(const std::vector<float>& pressure, const std::vector<float>& dPdt,
                           TarvikEvent& out, double dt, std::vector<double>& samples);
};

} // namespace Tarvik
