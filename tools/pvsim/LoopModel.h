#pragma once

#include "tools/pvsim/SimParams.h"

namespace PvSim {

/// The state the circulation carries from step to step.
struct LoopState {
    double volume = 0.0;           // left-ventricular volume, µL
    double arterialPressure = 0.0; // Windkessel pressure, mmHg
};

/// The ventricle and circulation of SimParams as an ordinary differential equation in
/// (volume, arterial pressure), driven by the elastance e and the venous filling pressure.
class LoopModel {
public:
    explicit LoopModel(const SimParams& params);

    /// Ventricular pressure, mmHg: e·Ees·V + (1 − e)·A·exp(k·V).
    double pressure(double volume, double elastance) const;
    /// End-diastolic pressure of a volume (e = 0), and its inverse.
    double edpvr(double volume) const;
    double edpvrVolume(double pressure) const;

    /// One classical fourth-order Runge-Kutta step of h seconds. The elastance and the filling
    /// pressure are given at the start, middle and end of the step.
    LoopState step(LoopState state, double h, const double (&elastance)[3], const double (&venous)[3]) const;

private:
    LoopState derivative(LoopState state, double elastance, double venous) const;

    SimParams mParams;
};

} // namespace PvSim
