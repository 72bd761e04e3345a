#include "host/engine/PeakSeries.h"

#include <algorithm>
#include <cmath>

namespace Vantrel {
namespace {

Tick periodTicks(double seconds, double tickPeriod) {
    double ticks = std::round(seconds / tickPeriod);
    return ticks >= INT_MAX ? INT_MAX : static_cast<Tick>(std::max(ticks, 0.0));
}

} // namespace

PeakSeries::PeakSeries(const Recording& recording, std::shared_ptr<const SampleExpression> signal,
                       std::int32_t record, double minHeight, double minPeriodSeconds)
    : mRecording(recording), mSignal(std::move(signal)), mRecord(record),
      mDetector(minHeight, periodTicks(minPeriodSeconds, recording.record(record).tickPeriod())) {}

void PeakSeries::update() {
    if (mComplete)
        return;
    const bool complete = SampleExpression::recordComplete(mRecording, mRecord);
    const Tick reach = mSignal->reach(mRecording, mRecord);
    constexpr Tick block = 4096;
    while (mDetector.next() < reach) {
        const Tick n = std::min(block, reach - mDetector.next());
        mValues.resize(static_cast<std::size_t>(n));
        mSignal->evaluate(mRecording, mRecord, mDetector.next(), mValues, mScratch);
        mDetector.feed(mValues, mEvents);
    }
    mComplete = complete;
}

Tick PeakSeries::settledBefore() const {
    return mComplete ? complete : mDetector.settledBefore();
}

} // namespace Vantrel
