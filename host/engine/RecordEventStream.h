#pragma once

#include "host/engine/ComObject.h"
#include "host/recording/Tick.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace Vantrel {

/// The events of one record as an event stream (IEnumEventEx) of fixed-size records (each beginning
/// with its i32 tick), delivered from fromTick up to, not including, endTick.
///
/// The events of a complete record are given once; the position is the tick of the next event to
/// deliver, INT_MAX after the last. Those of a record still being sampled come from a source asked
/// again whenever the events it gave are delivered (they only ever grow at the end): until it says
/// the record is complete, the position stays below INT_MAX (the tick after the last event
/// delivered) and Next answers S_OK.
class RecordEventStream : public ComObject<IEnumEventEx> {
public:
    using Events = std::shared_ptr<const std::vector<std::byte>>;
    /// The record's events computed now, and whether the record is complete.
    using Source = std::function<std::pair<Events, bool>()>;

    RecordEventStream(Events events, ULONG eventSize, Tick fromTick, Tick endTick);
    RecordEventStream(Source source, ULONG eventSize, Tick fromTick, Tick endTick);

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    /// Forward: the first event at or after max(tick, rangeStart) below rangeEnd. Backward: the last
    /// event at or below tick within [rangeStart, rangeEnd). A found event becomes the next to deliver.
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;
    /// A stream over the same events (or source), at its start.
    HRESULT Clone(IEnumEventEx** out) override;
    HRESULT GetEventSize(ULONG* bytes) override;
    /// What answers the class that draws the events (0 without it).
    void setDrawClassSource(std::function<DWORD()> source) { mDrawClass = std::move(source); }
    HRESULT GetDrawClassId(DWORD* id) override;

private:
    void* find(REFIID iid) override;
    Tick tickAt(std::size_t index) const;
    Tick position() const;
    // Asks a growing record's source again, and finds the events between mFrom and mEnd.
    void refresh();
    void bound();

    Events mEvents;
    Source mSource;        // of a growing record; empty for a complete one
    bool mComplete = true; // the events are the complete record's
    ULONG mEventSize;
    std::function<DWORD()> mDrawClass;
    Tick mFrom, mEnd;
    Tick mReached;          // every event below it was delivered
    std::size_t mFirst = 0; // the first event at or after mFrom
    std::size_t mLast = 0;  // one past the last event below mEnd
    std::size_t mNext = 0;  // the next event to deliver
};

} // namespace Vantrel
