#pragma once

#include "host/engine/ComObject.h"
#include "host/recording/Tick.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace Vantrel {

/// The events of a record still being sampled, as an event stream: when the events computed so far
/// are delivered it asks for the record's events again, and goes on with those it has not delivered
/// (the events of a growing record only ever grow at the end). Until the record is complete the
/// position stays below INT_MAX and Next answers S_OK; then the stream ends as a complete one.
class LiveEventStream : public ComObject<IEnumEventEx> {
public:
    /// events: the record's events computed now; complete: whether the record is complete.
    LiveEventStream(std::function<std::shared_ptr<const std::vector<std::byte>>()> events,
                    std::function<bool()> complete, ULONG eventSize, Tick fromTick, Tick endTick);

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    /// Forward only: the first event at or after max(tick, rangeStart) below rangeEnd among those
    /// computed now; it becomes the next to deliver.
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;
    HRESULT Clone(IEnumEventEx** out) override;
    HRESULT GetEventSize(ULONG* bytes) override;
    HRESULT GetDrawClassId(DWORD* id) override;

private:
    void* find(REFIID iid) override;
    void refresh();
    std::size_t count() const { return mEvents ? mEvents->size() / mEventSize : 0; }
    Tick tickAt(std::size_t index) const;
    bool deliverable(std::size_t index) const;
    Tick position() const;

    std::function<std::shared_ptr<const std::vector<std::byte>>()> mFetch;
    std::function<bool()> mComplete;
    std::shared_ptr<const std::vector<std::byte>> mEvents;
    ULONG mEventSize;
    Tick mFrom, mEnd;
    std::size_t mNext = 0;
    bool mFinal = false; // the events are the complete record's
    Tick mReached;       // every event below it was delivered
};

} // namespace Vantrel
