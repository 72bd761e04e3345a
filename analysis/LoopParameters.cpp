#include "analysis/LoopParameters.h"

#include <cmath>

namespace Tarvik {

const LoopParamId kLoopParamDisplayOrder[29] = {
    LP_SW,     LP_Pmax,       LP_Pmin,       LP_Pmean,      LP_Pdev,      LP_Vmax, LP_Vmin, LP_SV,
    LP_Ves,    LP_Pes,        LP_Ved,        LP_Ped,        LP_HR,        LP_CO,   LP_Ea,   LP_EF,
    LP_PowMax, LP_dPdtMax,    LP_dPdtMin,    LP_dVdtMax,    LP_dVdtMin,   LP_PVA,  LP_PE,   LP_CE,
    LP_Tau,    LP_PAtdVdtMax, LP_PAtdPdtMax, LP_VAtdPdtMax, LP_VAtdPdtMin};

namespace {

struct Row {
    double (*value)(const TarvikEvent&);
    ParamScaling scaling;
};

constexpr ParamScaling kNone{}, kP{true, false, false}, kV{false, true, false}, kPV{true, true, false},
    kPperV{true, false, true};

double Zero(const TarvikEvent&) {
    return 0.0;
}

// Rows 1 to 29.
const Row kRows[] = {
    {[](const TarvikEvent& e) { return e.sw; }, kPV},
    {[](const TarvikEvent& e) { return (e.vMax - e.vMin) * e.hr; }, kV},
    {[](const TarvikEvent& e) { return e.vMax - e.vMin; }, kV},
    {[](const TarvikEvent& e) { return e.vMax; }, kV},
    {[](const TarvikEvent& e) { return e.vMin; }, kV},
    {[](const TarvikEvent& e) { return e.ves; }, kV},
    {[](const TarvikEvent& e) { return e.ved; }, kV},
    {[](const TarvikEvent& e) { return e.pMax; }, kP},
    {[](const TarvikEvent& e) { return e.pMin; }, kP},
    {[](const TarvikEvent& e) { return e.pMean; }, kP},
    {[](const TarvikEvent& e) { return e.pMax - e.pMin; }, kP},
    {[](const TarvikEvent& e) { return e.pes; }, kP},
    {[](const TarvikEvent& e) { return e.ped; }, kP},
    {[](const TarvikEvent& e) { return e.hr; }, kNone},
    {[](const TarvikEvent& e) { return e.ef; }, kNone},
    {[](const TarvikEvent& e) { return e.pes / (e.vMax - e.vMin); }, kPperV},
    {[](const TarvikEvent& e) { return e.powMax; }, kPV},
    {[](const TarvikEvent& e) { return e.dPdtMax; }, kP},
    {[](const TarvikEvent& e) { return e.dPdtMin; }, kP},
    {[](const TarvikEvent& e) { return e.dVdtMax; }, kV},
    {[](const TarvikEvent& e) { return e.dVdtMin; }, kV},
    {[](const TarvikEvent& e) { return e.pAtDVdtMax; }, kP},
    {[](const TarvikEvent& e) { return e.pAtDPdtMax; }, kP},
    {[](const TarvikEvent& e) { return e.vAtDPdtMax; }, kV},
    {[](const TarvikEvent& e) { return e.vAtDPdtMin; }, kV},
    {Zero, kNone},
    {Zero, kNone},
    {Zero, kNone},
    {[](const TarvikEvent& e) { return e.tau; }, kNone},
};
static_assert(std::size(kRows) == LP_Last);

} // namespace

double LoopParamValue(const TarvikEvent& event, std::int32_t id, ParamScaling& scaling) {
    scaling = {};
    if (event.state == TarvikEvent::LastInBlock)
        return NoValue();
    if (id < LP_First || id > LP_Last)
        return 0.0;
    const Row& row = kRows[id - LP_First];
    scaling = row.scaling;
    return row.value(event);
}

double ApplyScaling(double value, const ParamScaling& scaling, double pressureFactor, double volumeFactor) {
    if (scaling.pressure)
        value *= pressureFactor;
    if (scaling.volume)
        value *= volumeFactor;
    if (scaling.perVolume)
        value /= volumeFactor;
    return value;
}

double ScaledLoopParamValue(std::int32_t id, const TarvikEvent& event, double pressureFactor,
                            double volumeFactor) {
    ParamScaling scaling;
    const double value = LoopParamValue(event, id, scaling);
    return ApplyScaling(value, scaling, pressureFactor, volumeFactor);
}

double PVAParamValue(const PVAEvent& event, std::int32_t id, ParamScaling& scaling) {
    scaling = {};
    if (IsNoValue(event.pva))
        return event.pva;
    switch (id) {
    case LP_PVA:
        scaling = kPV;
        return event.pva;
    case LP_PE:
        scaling = kPV;
        return event.pe;
    case LP_CE:
        return event.sw / event.pva;
    default:
        return 0.0;
    }
}

double ScaledPVAParamValue(std::int32_t id, const PVAEvent& event, double pressureFactor,
                           double volumeFactor) {
    ParamScaling scaling;
    const double value = PVAParamValue(event, id, scaling);
    return ApplyScaling(value, scaling, pressureFactor, volumeFactor);
}

double IntegrateQuadratic(double x0, double x1, double a, double b, double c) {
    const auto antiderivative = [&](double x) { return a * x * x * x / 3.0 + 0.5 * b * x * x + c * x; };
    return antiderivative(x1) - antiderivative(x0);
}

double TrapezoidArea(double x1, double y1, double x2, double y2) {
    return 0.5 * (y1 + y2) * (x2 - x1);
}

void FillPVAEvent(PVAEvent& pva, const TarvikEvent& loop, std::int32_t espvrType, std::int32_t edpvrType,
                  const std::vector<double>& espvr, const std::vector<double>& edpvr, double pi, double vi) {
    pva.sw = loop.sw;
    pva.pva = pva.pe = NoValue();
    if (loop.state == TarvikEvent::LastInBlock)
        return;
    // The systolic part closed to the intersect: ref -> ... -> end-systole -> (vi, pi) -> ref.
    double area = 0.5 * (loop.systolicArea + (pi - loop.systolicRefP) * loop.systolicLastDV -
                         (vi - loop.systolicRefV) * loop.systolicLastDP);
    if (espvrType == EspvrQuadratic && espvr.size() == 3)
        area += IntegrateQuadratic(vi, loop.ves, espvr[2], espvr[1], espvr[0]) -
                TrapezoidArea(vi, pi, loop.ves, loop.pes);
    if (edpvrType == EdpvrExponential && edpvr.size() >= 2) {
        const double a = edpvr[0], k = edpvr[1];
        const double curve =
            k == 0.0 ? a * (loop.ved - vi) : (a * std::exp(k * loop.ved) - a * std::exp(k * vi)) / k;
        area += TrapezoidArea(vi, pi, loop.ved, loop.ped) - curve;
    }
    pva.pva = area;
    pva.pe = area - loop.sw;
}

} // namespace Tarvik
