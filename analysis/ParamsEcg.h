#pragma once
// Parameters of "PVEcgEdpDet": the processing range, and one source, the ECG
// events (OvoEventBase records) of an inner calculation.

#include "analysis/EEH3EventWrapper.h"
#include "analysis/EEH3ParamsBase.h"

namespace Tarvik {

class ParamsEcg : public EEH3::ParamsBase {
public:
    bool BuildSources(IUnknown* const* sources, std::int32_t count) override;
    EEH3::EventWrapper& Events() const { return static_cast<EEH3::EventWrapper&>(*sources.front()); }
};

} // namespace Tarvik
