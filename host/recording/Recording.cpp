#include "host/recording/Recording.h"

#include "host/recording/RecordingObserver.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace Vantrel {

Recording::Recording(std::vector<ChannelInfo> channels) : mChannels(std::move(channels)) {}

const Record& Recording::record(std::int32_t index) const {
    if (index < 0 || index >= recordCount())
        throw std::out_of_range("no record " + std::to_string(index));
    return mRecords[static_cast<std::size_t>(index)];
}

Record& Recording::mutableRecord(std::int32_t index) {
    return const_cast<Record&>(std::as_const(*this).record(index));
}

void Recording::addRecord(Record record) {
    if (mSampling)
        throw std::logic_error("cannot add a record while sampling");
    if (record.channelCount() != mChannels.size())
        throw std::invalid_argument("the record's channel count differs from the recording's");
    if (mRecords.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("too many records");
    mRecords.push_back(std::move(record));
}

void Recording::addEvent(std::int32_t record, std::size_t channel, Event event) {
    mutableRecord(record).addEvent(channel, event);
}

void Recording::addComment(std::int32_t record, Comment comment) {
    mutableRecord(record).addComment(std::move(comment));
}

void Recording::startSampling(double tickPeriod, double startTime) {
    if (mSampling)
        throw std::logic_error("already sampling");
    Record record(mChannels.size(), tickPeriod);
    record.setStartTime(startTime);
    addRecord(std::move(record));
    mSampling = true;
    const std::int32_t index = recordCount() - 1;
    tellObservers([index](RecordingObserver& o) { o.recordStarted(index); });
}

void Recording::appendBlock(std::span<const std::vector<float>> block) {
    if (!mSampling)
        throw std::logic_error("blocks are appended only while sampling");
    Record& last = mRecords.back();
    const Tick first = last.tickCount();
    last.append(block);
    const Tick count = last.tickCount() - first;
    const std::int32_t index = recordCount() - 1;
    if (count > 0)
        tellObservers([=](RecordingObserver& o) { o.samplesAppended(index, first, count); });
}

void Recording::stopSampling() {
    if (!mSampling)
        throw std::logic_error("not sampling");
    mSampling = false;
    const std::int32_t index = recordCount() - 1;
    tellObservers([index](RecordingObserver& o) { o.samplingStopped(index); });
}

void Recording::addObserver(RecordingObserver* observer) {
    if (observer)
        mObservers.push_back(observer);
}

void Recording::removeObserver(RecordingObserver* observer) {
    const auto at = std::find(mObservers.begin(), mObservers.end(), observer);
    if (at != mObservers.end())
        mObservers.erase(at);
}

template <class Call> void Recording::tellObservers(Call call) {
    // A snapshot, so that an observer may add or remove observers while it is told; one removed
    // meanwhile is not told.
    const std::vector<RecordingObserver*> observers = mObservers;
    for (RecordingObserver* observer : observers)
        if (std::find(mObservers.begin(), mObservers.end(), observer) != mObservers.end())
            call(*observer);
}

} // namespace Vantrel
