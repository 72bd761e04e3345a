#pragma once
// Parameters of "PvaCalc": the two pressure-volume relations the loops are
// measured against (their kinds, terms and the point where they meet) and the
// processing range. One source: the loop events (TarvikEvent) of the analyser.
//
// Argument text, after the leading count: ESPVR type (-1 off, 0 linear, 1
// quadratic), EDPVR type (0 linear, 1 exponential), pressure and volume at the
// intersect, ESPVR terms 1 to 3, EDPVR terms 1 and 2, then the four limits.
// Numbers the text leaves out are -1 for the ESPVR type and 0 otherwise.

#include <vector>

#include "analysis/EEH3EventWrapper.h"
#include "analysis/EEH3ParamsBase.h"
#include "analysis/TarvikEvent.h"

namespace Tarvik::PvaCalc {

class Params : public EEH3::ParamsBase {
public:
    void ReadArgs(std::wistream& in) override;
    void WriteArgs(std::wostream& out) const override;
    bool BuildSources(IUnknown* const* sources, std::int32_t count) override;
    EEH3::EventWrapperEx<TarvikEvent>& Loops() const {
        return static_cast<EEH3::EventWrapperEx<TarvikEvent>&>(*sources.front());
    }

    std::int32_t espvrType = -1;
    std::int32_t edpvrType = 0;
    double pressureAtIntersect = 0.0;
    double volumeAtIntersect = 0.0;
    std::vector<double> espvrTerms = std::vector<double>(3, 0.0);
    std::vector<double> edpvrTerms = std::vector<double>(2, 0.0);
    bool active = false; // the ESPVR type is 0 or 1
};

} // namespace Tarvik::PvaCalc
