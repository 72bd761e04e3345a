#include "host/engine/ChannelEventSeries.h"

#include "host/engine/SampleExpression.h"

namespace Vantrel {

ChannelEventSeries::ChannelEventSeries(const Recording& recording, std::size_t channel, std::int32_t record)
    : mRecording(recording), mChannel(channel), mRecord(record) {}

void ChannelEventSeries::update() {
    if (mSettled == complete)
        return;
    const Record& record = mRecording.record(mRecord);
    const auto& stored = record.events(mChannel);
    const bool done = SampleExpression::recordComplete(mRecording, mRecord);
    const Tick settled = done ? complete : record.tickCount();
    for (std::size_t i = mEvents.size(); i < stored.size() && stored[i].tick < settled; ++i)
        mEvents.push_back({stored[i].tick, stored[i].value});
    mSettled = settled;
}

Tick ChannelEventSeries::settledBefore() const {
    return mSettled;
}

} // namespace Vantrel
