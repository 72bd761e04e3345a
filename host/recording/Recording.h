#pragma once

#include "host/recording/ChannelInfo.h"
#include "host/recording/Record.h"

#include <cstdint>
#include <span>
#include <vector>

namespace Vantrel {

class RecordingObserver;

/// A recorded document: a fixed list of channels and the records (blocks) made with them. Complete
/// records are added offline; while sampling, blocks of samples are appended to the last record
/// and observers are told. Not thread-safe; observers are not owned.
class Recording {
public:
    explicit Recording(std::vector<ChannelInfo> channels);

    const std::vector<ChannelInfo>& channels() const { return mChannels; }
    std::size_t channelCount() const { return mChannels.size(); }
    std::int32_t recordCount() const { return static_cast<std::int32_t>(mRecords.size()); }
    /// Throws std::out_of_range for a bad index.
    const Record& record(std::int32_t index) const;

    /// Adds a complete record. Throws std::invalid_argument when its channel count differs, and
    /// std::logic_error while sampling.
    void addRecord(Record record);
    /// Adds an event or comment to a record (see Record). Throws std::out_of_range for a bad index.
    void addEvent(std::int32_t record, std::size_t channel, Event event);
    void addComment(std::int32_t record, Comment comment);

    /// Starts a new, empty record with the given tick period (seconds) and start time (seconds of
    /// the recording's clock) and tells observers. Throws std::logic_error while already sampling,
    /// std::invalid_argument for a bad period or a start time that is not finite.
    void startSampling(double tickPeriod, double startTime = 0.0);
    /// Appends one column per channel to the record being sampled and tells observers of a
    /// non-empty block. Throws std::logic_error when not sampling, and as Record::append.
    void appendBlock(std::span<const std::vector<float>> block);
    /// Ends sampling and tells observers. Throws std::logic_error when not sampling.
    void stopSampling();
    bool sampling() const { return mSampling; }

    /// Observers are told in the order they were added; one added twice is told twice.
    void addObserver(RecordingObserver* observer);
    void removeObserver(RecordingObserver* observer);

private:
    template <class Call> void tellObservers(Call call);
    Record& mutableRecord(std::int32_t index);

    std::vector<ChannelInfo> mChannels;
    std::vector<Record> mRecords;
    std::vector<RecordingObserver*> mObservers;
    bool mSampling = false;
};

} // namespace Vantrel
