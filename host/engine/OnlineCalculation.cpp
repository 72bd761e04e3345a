#include "host/engine/OnlineCalculation.h"

namespace Vantrel {

OnlineCalculation::OnlineCalculation(Recording& recording, Calculation calculation)
    : mRecording(recording), mCalculation(std::move(calculation)) {
    mRecording.addObserver(this);
}

OnlineCalculation::~OnlineCalculation() {
    mRecording.removeObserver(this);
}

const std::vector<std::byte>& OnlineCalculation::events(std::int32_t record) const {
    static const std::vector<std::byte> none;
    auto it = mEvents.find(record);
    return it == mEvents.end() ? none : it->second;
}

bool OnlineCalculation::finished(std::int32_t record) const {
    auto it = mFinished.find(record);
    return it != mFinished.end() && it->second;
}

void OnlineCalculation::recordStarted(std::int32_t record) {
    mRun.reset();
    mRunRecord = record;
    mFinished[record] = false;
    mRun = mCalculation.start(record, true);
    mFinished[record] = mRun->pull(mEvents[record]);
}

void OnlineCalculation::samplesAppended(std::int32_t record, Tick, Tick) {
    if (mRun && record == mRunRecord)
        mFinished[record] = mRun->pull(mEvents[record]);
}

void OnlineCalculation::samplingStopped(std::int32_t record) {
    if (mRun && record == mRunRecord)
        mFinished[record] = mRun->pull(mEvents[record]);
    mRun.reset();
    mRunRecord = -1;
}

} // namespace Vantrel
