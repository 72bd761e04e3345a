#pragma once
// Parameters of "PVMaxDet": one source, the end-diastolic point events
// (TarvikEdpEvent) of "PVEdpDet" or "PVEcgEdpDet". The argument text carries no
// numbers of its own, and the processing range stays the whole recording.

#include "analysis/EEH3EventWrapper.h"
#include "analysis/EEH3ParamsBase.h"
#include "analysis/TarvikEdpEvent.h"

namespace Tarvik {

class MaxParams : public EEH3::ParamsBase {
public:
    void ReadArgs(std::wistream&) override {}
    void WriteArgs(std::wostream&) const override {}
    bool BuildSources(IUnknown* const* sources, std::int32_t count) override;
    EEH3::EventWrapperEx<TarvikEdpEvent>& Points() const {
        return static_cast<EEH3::EventWrapperEx<TarvikEdpEvent>&>(*sources.front());
    }
};

} // namespace Tarvik
