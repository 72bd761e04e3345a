#include "host/engine/LiveEventStream.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace Vantrel {

LiveEventStream::LiveEventStream(std::function<std::shared_ptr<const std::vector<std::byte>>()> events,
                                 std::function<bool()> complete, ULONG eventSize, Tick fromTick, Tick endTick)
    : mFetch(std::move(events)), mComplete(std::move(complete)), mEventSize(eventSize), mFrom(fromTick),
      mEnd(endTick), mReached(fromTick) {
    refresh();
}

void LiveEventStream::refresh() {
    if (mFinal)
        return;
    mFinal = mComplete();
    mEvents = mFetch();
}

Tick LiveEventStream::tickAt(std::size_t index) const {
    std::int32_t tick = 0;
    std::memcpy(&tick, mEvents->data() + index * mEventSize, sizeof(tick));
    return tick;
}

bool LiveEventStream::deliverable(std::size_t index) const {
    return index < count() && tickAt(index) < mEnd;
}

Tick LiveEventStream::position() const {
    if (deliverable(mNext))
        return tickAt(mNext);
    return mFinal ? INT_MAX : mReached;
}

HRESULT LiveEventStream::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) {
    if (!buffer || !count || !position || bufferBytes < mEventSize)
        return E_INVALIDARG;
    if (!deliverable(mNext))
        refresh();
    while (deliverable(mNext) && tickAt(mNext) < mFrom)
        ++mNext;
    const ULONG capacity = bufferBytes / mEventSize;
    ULONG n = 0;
    while (n < capacity && deliverable(mNext) && tickAt(mNext) < tickLimit) {
        std::memcpy(static_cast<std::byte*>(buffer) + std::size_t{n} * mEventSize,
                    mEvents->data() + mNext * mEventSize, mEventSize);
        mReached = tickAt(mNext) + 1;
        ++n;
        ++mNext;
    }
    *count = n;
    const Tick reached = this->position();
    *position = reached == INT_MAX ? INT_MAX : std::min<LONG>(reached, tickLimit);
    return reached == INT_MAX ? S_FALSE : S_OK;
}

HRESULT LiveEventStream::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                              void* event) {
    if (backward)
        return E_NOTIMPL;
    refresh();
    for (std::size_t i = 0; deliverable(i); ++i) {
        if (tickAt(i) < std::max<LONG>({tick, rangeStart, mFrom}) || tickAt(i) >= rangeEnd)
            continue;
        mNext = i;
        if (event && eventBytes >= mEventSize)
            std::memcpy(event, mEvents->data() + i * mEventSize, mEventSize);
        return S_OK;
    }
    return S_FALSE;
}

HRESULT LiveEventStream::GetPosition(LONG* tick) {
    if (!tick)
        return E_POINTER;
    *tick = position();
    return S_OK;
}

HRESULT LiveEventStream::Clone(IEnumEventEx** out) {
    if (!out)
        return E_POINTER;
    *out = new LiveEventStream(mFetch, mComplete, mEventSize, mFrom, mEnd);
    return S_OK;
}

HRESULT LiveEventStream::GetEventSize(ULONG* bytes) {
    if (!bytes)
        return E_POINTER;
    *bytes = mEventSize;
    return S_OK;
}

HRESULT LiveEventStream::GetDrawClassId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = 0;
    return S_OK;
}

void* LiveEventStream::find(REFIID iid) {
    return iid == IID_IEnumEventEx ? static_cast<IEnumEventEx*>(this) : nullptr;
}

} // namespace Vantrel
