#pragma once

#include "host/frontend/LoopTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vantrel {

/// The pressure-volume relations the module fitted over the loops, as it writes them into its "pva"
/// channel: "PVACalc(tarvik, espvrType, edpvrType, P, V, e0, e1, e2, d0, d1)". The ESPVR is the line
/// P = e0 + e1 V (type 0) or the parabola P = e0 + e1 V + e2 V^2 (type 1); the EDPVR the line
/// P = d0 + d1 V (type 0) or the exponential P = d0 e^(d1 V) (type 1); (P, V) is where they meet.
struct PvaRelations {
    int espvrType = 0;
    int edpvrType = 1;
    double pressure = 0.0;
    double volume = 0.0;
    double es[3] = {0.0, 0.0, 0.0};
    double ed[2] = {0.0, 0.0};

    /// The relations' pressures at a volume.
    double espvr(double v) const;
    double edpvr(double v) const;
};

/// The relations of a "pva" text; nullopt for the text the module writes when it has none (types -1)
/// and for a text that is not a pressure-volume-area calculation.
std::optional<PvaRelations> parsePvaFormula(std::u16string_view text);

/// The end-systolic (Ves, Pes) and end-diastolic (Ved, Ped) points of the loops.
struct LoopPoints {
    std::vector<double> ves, pes, ved, ped;
};

/// A relation is defined over loops whose volumes span at least this fraction of their mean volume:
/// loops of a steady state differ by a few percent (breathing, noise) and cannot define a slope,
/// while an occlusion or another change of filling moves them by tens of percent.
inline constexpr double kMinimumVolumeSpan = 0.10;

/// The rows of the relations: for each, the loops it rests on (end-diastolic points need a positive
/// pressure for the exponential), their volume span and, when the span defines it, the module's
/// parameters and r^2 = 1 - SS(res) / SS(tot) of the loops' points against the module's relation
/// (so that the fit can be judged), else a note saying why it is not defined. The point where the
/// relations meet follows when both are defined. Units: the channels' (pressure, volume).
std::vector<RelationValue> relationReport(const std::optional<PvaRelations>& relations,
                                          const LoopPoints& points, const std::string& pressureUnit,
                                          const std::string& volumeUnit);

} // namespace Vantrel
