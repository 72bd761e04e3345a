#pragma once

#include "host/engine/EventSeries.h"
#include "host/engine/PeakDetector.h"
#include "host/engine/SampleExpression.h"

#include <memory>

namespace Vantrel {

/// "CMPeakDet(signal, minHeight, minPeriod)" over one record: the peaks PeakDetector finds in the
/// signal, minPeriod (seconds) rounded to ticks of the record. The recording must outlive it.
class PeakSeries : public EventSeries {
public:
    PeakSeries(const Recording& recording, std::shared_ptr<const SampleExpression> signal,
               std::int32_t record, double minHeight, double minPeriodSeconds);

    void update() override;
    Tick settledBefore() const override;

private:
    const Recording& mRecording;
    std::shared_ptr<const SampleExpression> mSignal;
    std::int32_t mRecord;
    PeakDetector mDetector;
    bool mComplete = false;
    std::vector<double> mValues; // a block of the signal
    SampleExpression::Scratch mScratch;
};

} // namespace Vantrel
