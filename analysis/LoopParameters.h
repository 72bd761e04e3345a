#pragma once
// Loop parameters by number (LoopParamId): how each is read or derived from a
// loop event (TarvikEvent) or a pressure-volume-area event (PVAEvent), how it
// scales with the display units of pressure and volume, and the
// pressure-volume-area fill of a PVAEvent.
//
// Scaling: a value in the channels' units times the pressure prefix factor p
// when it is a pressure (or has pressure as a factor), times the volume factor
// v when it has volume as a factor, divided by v when it is per volume.
// P x V values (SW, PowMax, PVA, PE) thus scale by p * v, Ea (P / V) by p / v.

#include <cstdint>
#include <vector>

#include "analysis/PVAEvent.h"
#include "analysis/TarvikEvent.h"

namespace Tarvik {

enum LoopParamId : std::int32_t {
    LP_SW = 1,
    LP_CO,
    LP_SV,
    LP_Vmax,
    LP_Vmin,
    LP_Ves,
    LP_Ved,
    LP_Pmax,
    LP_Pmin,
    LP_Pmean,
    LP_Pdev,
    LP_Pes,
    LP_Ped,
    LP_HR,
    LP_EF,
    LP_Ea,
    LP_PowMax,
    LP_dPdtMax,
    LP_dPdtMin,
    LP_dVdtMax,
    LP_dVdtMin,
    LP_PAtdVdtMax,
    LP_PAtdPdtMax,
    LP_VAtdPdtMax,
    LP_VAtdPdtMin,
    LP_PVA,
    LP_PE,
    LP_CE,
    LP_Tau,
    LP_First = LP_SW,
    LP_Last = LP_Tau
};

// The display order of the parameters (the order of the name tables).
extern const LoopParamId kLoopParamDisplayOrder[29];

struct ParamScaling {
    bool pressure = false;  // times the pressure factor
    bool volume = false;    // times the volume factor
    bool perVolume = false; // divided by the volume factor
};

// The value of id from a loop event, in the channels' units. A last-in-block event gives the
// "no value" NaN; an id outside 1 to 29, and the PVA ids 26 to 28, give 0.0.
double LoopParamValue(const TarvikEvent& event, std::int32_t id, ParamScaling& scaling);
double ScaledLoopParamValue(std::int32_t id, const TarvikEvent& event, double pressureFactor,
                            double volumeFactor);

// PVA (26), PE (27) or CE = SW / PVA (28) of a PVA event; "no value" when its PVA is; 0.0 for
// other ids.
double PVAParamValue(const PVAEvent& event, std::int32_t id, ParamScaling& scaling);
double ScaledPVAParamValue(std::int32_t id, const PVAEvent& event, double pressureFactor,
                           double volumeFactor);

double ApplyScaling(double value, const ParamScaling& scaling, double pressureFactor, double volumeFactor);

// The integral of a x^2 + b x + c from x0 to x1.
double IntegrateQuadratic(double x0, double x1, double a, double b, double c);
// The signed integral under the chord from (x1, y1) to (x2, y2): (y1 + y2) (x2 - x1) / 2.
double TrapezoidArea(double x1, double y1, double x2, double y2);

// Relation kinds of FillPVAEvent.
enum EspvrType : std::int32_t { EspvrOff = -1, EspvrLinear = 0, EspvrQuadratic = 1 };
enum EdpvrType : std::int32_t { EdpvrLinear = 0, EdpvrExponential = 1 };

// Pressure-volume area (Suga 1979) of loop event E into pva: the area bounded by the loop's systolic
// part from end-diastole to end-systole, the end-systolic relation down to the point (Vi, Pi)
// where the two relations meet, and the end-diastolic relation back to end-diastole; PE = PVA - SW.
// A quadratic ESPVR (espvr = c0, c1, c2: P = c0 + c1 V + c2 V^2) or an exponential EDPVR
// (edpvr = a, k: P = a e^(k V)) replaces its chord by its curve; linear relations are their chords.
// pva.sw = E.sw; PVA and PE stay "no value" for a last-in-block event.
void FillPVAEvent(PVAEvent& pva, const TarvikEvent& loop, std::int32_t espvrType, std::int32_t edpvrType,
                  const std::vector<double>& espvr, const std::vector<double>& edpvr,
                  double pressureAtIntersect, double volumeAtIntersect);

} // namespace Tarvik
