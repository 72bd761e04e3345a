#include "tools/pvsim/LoopModel.h"

#include <cmath>

namespace PvSim {

LoopModel::LoopModel(const SimParams& params) : mParams(params) {}

double LoopModel::edpvr(double volume) const {
    return mParams.edpvrA * std::exp(mParams.edpvrK * volume);
}

double LoopModel::edpvrVolume(double pressure) const {
    return std::log(pressure / mParams.edpvrA) / mParams.edpvrK;
}

double LoopModel::pressure(double volume, double elastance) const {
    return elastance * mParams.ees * volume + (1.0 - elastance) * edpvr(volume);
}

LoopState LoopModel::derivative(LoopState state, double elastance, double venous) const {
    const double ventricle = pressure(state.volume, elastance);
    const double inflow = venous > ventricle ? (venous - ventricle) / mParams.mitralResistance : 0.0;
    const double outflow = ventricle > state.arterialPressure
                               ? (ventricle - state.arterialPressure) / mParams.aorticResistance
                               : 0.0;
    const double runoff = state.arterialPressure / mParams.peripheralResistance;
    return {inflow - outflow, (outflow - runoff) / mParams.arterialCompliance};
}

LoopState LoopModel::step(LoopState s, double h, const double (&e)[3], const double (&venous)[3]) const {
    const auto along = [](LoopState base, LoopState slope, double dt) {
        return LoopState{base.volume + dt * slope.volume,
                         base.arterialPressure + dt * slope.arterialPressure};
    };
    const LoopState k1 = derivative(s, e[0], venous[0]);
    const LoopState k2 = derivative(along(s, k1, h / 2), e[1], venous[1]);
    const LoopState k3 = derivative(along(s, k2, h / 2), e[1], venous[1]);
    const LoopState k4 = derivative(along(s, k3, h), e[2], venous[2]);
    return {s.volume + h / 6 * (k1.volume + 2 * k2.volume + 2 * k3.volume + k4.volume),
            s.arterialPressure + h / 6 *
                                     (k1.arterialPressure + 2 * k2.arterialPressure +
                                      2 * k3.arterialPressure + k4.arterialPressure)};
}

} // namespace PvSim
