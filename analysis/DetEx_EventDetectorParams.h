#pragma once
// Parameters of the loop analyser "TarvikAnalyzer": the processing range and
// three sources, [0] the pressure channel, [1] the volume channel (both
// sampled on the same ticks), [2] the end-diastolic point events that cut the
// record into cycles (read through their OvoEventBase head).

#include "analysis/EEH3EventWrapper.h"
#include "analysis/EEH3FloatExWrapper.h"
#include "analysis/EEH3ParamsBase.h"
#include "analysis/LoopComputation.h"

namespace Tarvik {

class DetEx_EventDetectorParams : public EEH3::ParamsBase {
public:
    bool BuildSources(IUnknown* const* sources, std::int32_t count) override;

    EEH3::FloatExWrapper& Pressure() const { return static_cast<EEH3::FloatExWrapper&>(*sources[0]); }
    EEH3::FloatExWrapper& Volume() const { return static_cast<EEH3::FloatExWrapper&>(*sources[1]); }
    EEH3::EventWrapper& EndDiastolicPoints() const { return static_cast<EEH3::EventWrapper&>(*sources[2]); }

    // The loop computation's scratch, reused from cycle to cycle.
    LoopComputation::Workspace loopWork;
};

// A cursor over host source (answering ISampleChannel); null when it answers none.
std::unique_ptr<EEH3::FloatExWrapper> SampleSource(IUnknown* source);

} // namespace Tarvik
