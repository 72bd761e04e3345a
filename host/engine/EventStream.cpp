#include "host/engine/EventStream.h"

#include "platform/vantrel/EventRecords.h"

#include <algorithm>
#include <cstring>

namespace Vantrel {

EventStream::EventStream(std::shared_ptr<EventSeries> series, Tick endTick)
    : mSeries(std::move(series)), mEnd(endTick) {}

void* EventStream::find(REFIID iid) {
    return iid == IID_IEnumEventEx ? static_cast<IEnumEventEx*>(this) : nullptr;
}

/// Events of the series before the end tick.
std::size_t EventStream::available() const {
    const auto& events = mSeries->events();
    auto end = std::lower_bound(events.begin(), events.end(), mEnd,
                                [](const EventSeries::Event& e, Tick t) { return e.tick < t; });
    return static_cast<std::size_t>(end - events.begin());
}

Tick EventStream::position() const {
    const Tick reached = mNext < available() ? mSeries->events()[mNext].tick : mSeries->settledBefore();
    return reached >= mEnd ? EventSeries::complete : reached;
}

void EventStream::write(std::size_t index, void* record) const {
    EventRecord event;
    event.tick = mSeries->events()[index].tick;
    event.value = mSeries->events()[index].value;
    std::memcpy(record, &event, sizeof event);
}

HRESULT EventStream::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
    if (!buffer || !count || !position || bufferBytes < eventSize)
        return E_INVALIDARG;
    mSeries->update();
    const auto& events = mSeries->events();
    const std::size_t available = this->available();
    const ULONG capacity = bufferBytes / eventSize;
    ULONG n = 0;
    while (n < capacity && mNext < available && events[mNext].tick < tickLimit)
        write(mNext++, static_cast<std::byte*>(buffer) + n++ * eventSize);
    *count = n;
    const Tick reached = this->position();
    *position = std::min<Tick>(reached, tickLimit);
    return reached == EventSeries::complete ? S_FALSE : S_OK;
}

HRESULT EventStream::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                          void* event) {
    mSeries->update();
    const auto& events = mSeries->events();
    auto tickBelow = [](const EventSeries::Event& e, Tick t) { return e.tick < t; };
    auto limit = events.begin() + static_cast<std::ptrdiff_t>(available());
    auto first = std::lower_bound(events.begin(), limit, rangeStart, tickBelow);
    auto end = std::lower_bound(first, limit, rangeEnd, tickBelow);
    auto found = end;
    if (!backward) {
        found = std::lower_bound(first, end, tick, tickBelow);
    } else {
        auto after = std::upper_bound(first, end, tick,
                                      [](Tick t, const EventSeries::Event& e) { return t < e.tick; });
        found = after == first ? end : after - 1;
    }
    if (found == end) {
        if (!backward)
            mNext = static_cast<std::size_t>(end - events.begin());
        return S_FALSE;
    }
    mNext = static_cast<std::size_t>(found - events.begin());
    if (event && eventBytes >= eventSize)
        write(mNext, event);
    return S_OK;
}

HRESULT EventStream::GetPosition(LONG* tick) {
    if (!tick)
        return E_POINTER;
    mSeries->update();
    *tick = position();
    return S_OK;
}

HRESULT EventStream::Clone(IEnumEventEx** out) {
    if (!out)
        return E_POINTER;
    *out = new EventStream(mSeries, mEnd);
    return S_OK;
}

HRESULT EventStream::GetEventSize(ULONG* bytes) {
    if (!bytes)
        return E_POINTER;
    *bytes = eventSize;
    return S_OK;
}

HRESULT EventStream::GetDrawClassId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = 0;
    return S_OK;
}

} // namespace Vantrel
