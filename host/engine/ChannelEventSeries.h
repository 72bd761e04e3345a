#pragma once

#include "host/engine/EventSeries.h"
#include "host/recording/Recording.h"

namespace Vantrel {

/// The events stored on a channel of one record. While the record is being sampled, events are
/// expected at or after the record's end as it was when they arrive; the series takes them from
/// there on. The recording must outlive it.
class ChannelEventSeries : public EventSeries {
public:
    ChannelEventSeries(const Recording& recording, std::size_t channel, std::int32_t record);

    void update() override;
    Tick settledBefore() const override;

private:
    const Recording& mRecording;
    std::size_t mChannel;
    std::int32_t mRecord;
    Tick mSettled = 0;
};

} // namespace Vantrel
