#pragma once

#include "host/engine/ComObject.h"
#include "host/engine/EventSeries.h"
#include "platform/vantrel/EventRecords.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <climits>
#include <memory>

namespace Vantrel {

/// A host event series as an event stream (IEnumEventEx) of EventRecords: tick, fraction 0,
/// value. The stream's position is the tick of the next event to deliver, or, when the series has
/// none yet, the tick below which the series is settled (INT_MAX once it is complete). A stream
/// with an end tick ends there: later events are not delivered.
class EventStream : public ComObject<IEnumEventEx> {
public:
    static constexpr ULONG eventSize = sizeof(EventRecord);

    explicit EventStream(std::shared_ptr<EventSeries> series, Tick endTick = INT_MAX);

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    /// Forward: the first event at or after max(tick, rangeStart) below rangeEnd. Backward: the
    /// last event at or below tick within [rangeStart, rangeEnd). A found event becomes the next to
    /// deliver; otherwise the stream moves past the range (forward) or leaves its position.
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;
    /// A stream over the same series, at its start.
    HRESULT Clone(IEnumEventEx** out) override;
    HRESULT GetEventSize(ULONG* bytes) override;
    HRESULT GetDrawClassId(DWORD* id) override;

private:
    void* find(REFIID iid) override;
    Tick position() const;
    std::size_t available() const;
    void write(std::size_t index, void* record) const;

    std::shared_ptr<EventSeries> mSeries;
    Tick mEnd;
    std::size_t mNext = 0; // index of the next event to deliver
};

} // namespace Vantrel
