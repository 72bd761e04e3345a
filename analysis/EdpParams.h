#pragma once
// Parameters of "PVEdpDet": the least rise of the first peak above its
// preceding minimum ("Minimum Peak Height", in pressure units) and the
// processing range. Sources: [0] a cursor over the pressure channel, [1] a
// second, independent cursor over the same channel (so the cycle's samples can
// be read while [0] stays at the peak), [2] the peak events of the same
// pressure, one per cycle (OvoEventBase, value = peak pressure).

#include "analysis/EEH3EventWrapper.h"
#include "analysis/EEH3FloatExWrapper.h"
#include "analysis/EEH3ParamsBase.h"

#include <vector>

namespace Tarvik {

class EdpParams : public EEH3::ParamsBase {
public:
    // The table's minimum of "Minimum Peak Height": the double epsilon, as a float.
    static constexpr float kDefaultMinPeakHeight = 2.220446049250313e-16f;

    void ReadArgs(std::wistream& in) override;
    void WriteArgs(std::wostream& out) const override;
    // Fails when source 0 is not a sample channel that can hand out a second cursor, or source 1
    // is not an event series.
    bool BuildSources(IUnknown* const* sources, std::int32_t count) override;

    EEH3::FloatExWrapper& Pressure() const { return static_cast<EEH3::FloatExWrapper&>(*sources[0]); }
    EEH3::FloatExWrapper& SecondCursor() const { return static_cast<EEH3::FloatExWrapper&>(*sources[1]); }
    EEH3::EventWrapper& Peaks() const { return static_cast<EEH3::EventWrapper&>(*sources[2]); }

    float minPeakHeight = kDefaultMinPeakHeight;
    std::vector<double> upstroke; // a cycle's samples, reused from cycle to cycle
};

} // namespace Tarvik
