#pragma once

#include "host/recording/Comment.h"
#include "host/recording/Event.h"
#include "host/recording/Tick.h"

#include <cstddef>
#include <span>
#include <vector>

namespace Vantrel {

/// One block of a recording: a tick period and, per channel, samples of equal length, an event
/// series and the record's comments. Channels are indexed from 0 in the recording's order.
class Record {
public:
    /// An empty record. Throws std::invalid_argument unless tickPeriod (seconds per sample) is
    /// finite and positive.
    Record(std::size_t channelCount, double tickPeriod);

    /// A complete record from one sample column per channel. Throws std::invalid_argument for a bad
    /// tick period or columns of unequal length, std::length_error past the largest Tick.
    Record(double tickPeriod, std::vector<std::vector<float>> columns);

    double tickPeriod() const { return mTickPeriod; }
    /// The time of tick 0, seconds: what the recording's own clock showed there (0 by default).
    double startTime() const { return mStartTime; }
    /// Throws std::invalid_argument unless seconds is finite.
    void setStartTime(double seconds);
    double sampleRate() const { return 1.0 / mTickPeriod; }
    Tick tickCount() const { return mTickCount; }
    std::size_t channelCount() const { return mSamples.size(); }

    /// The channel's samples, ticks 0 .. tickCount() - 1. Throws std::out_of_range for a bad channel.
    std::span<const float> samples(std::size_t channel) const;
    /// The channel's events in ascending tick order.
    const std::vector<Event>& events(std::size_t channel) const;
    /// The comments in ascending tick order.
    const std::vector<Comment>& comments() const { return mComments; }

    /// Appends one column per channel, all of equal length. Throws std::invalid_argument for a
    /// wrong column count or unequal lengths, std::length_error past the largest Tick; the record
    /// is unchanged then.
    void append(std::span<const std::vector<float>> block);
    /// Adds an event after any event at the same tick. Throws std::out_of_range for a bad channel.
    void addEvent(std::size_t channel, Event event);
    /// Adds a comment after any comment at the same tick.
    void addComment(Comment comment);

    bool operator==(const Record&) const = default;

private:
    double mTickPeriod;
    double mStartTime = 0.0;
    Tick mTickCount = 0;
    std::vector<std::vector<float>> mSamples;
    std::vector<std::vector<Event>> mEvents;
    std::vector<Comment> mComments;
};

} // namespace Vantrel
