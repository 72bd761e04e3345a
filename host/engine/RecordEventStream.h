#pragma once

#include "host/engine/ComObject.h"
#include "host/recording/Tick.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace Vantrel {

/// Events already computed for one record, as an event stream (IEnumEventEx) of fixed-size records
/// (each beginning with its i32 tick), delivered from fromTick up to, not including, endTick. The
/// events are complete: the position is the tick of the next event to deliver, INT_MAX after the last.
class RecordEventStream : public ComObject<IEnumEventEx> {
public:
    RecordEventStream(std::shared_ptr<const std::vector<std::byte>> events, ULONG eventSize, Tick fromTick,
                      Tick endTick);

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    /// Forward: the first event at or after max(tick, rangeStart) below rangeEnd. Backward: the last
    /// event at or below tick within [rangeStart, rangeEnd). A found event becomes the next to deliver.
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;
    /// A stream over the same events, at its start.
    HRESULT Clone(IEnumEventEx** out) override;
    HRESULT GetEventSize(ULONG* bytes) override;
    HRESULT GetDrawClassId(DWORD* id) override;

private:
    void* find(REFIID iid) override;
    Tick tickAt(std::size_t index) const;
    Tick position() const;

    std::shared_ptr<const std::vector<std::byte>> mEvents;
    ULONG mEventSize;
    Tick mFrom, mEnd;
    std::size_t mFirst = 0; // the first event at or after mFrom
    std::size_t mLast = 0;  // one past the last event below mEnd
    std::size_t mNext = 0;  // the next event to deliver
};

} // namespace Vantrel
