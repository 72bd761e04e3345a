#include "host/engine/RecordEventStream.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <tuple>

namespace Vantrel {

RecordEventStream::RecordEventStream(Events events, ULONG eventSize, Tick fromTick, Tick endTick)
    : mEvents(std::move(events)), mEventSize(eventSize), mFrom(fromTick), mEnd(endTick), mReached(fromTick) {
    bound();
    mNext = mFirst;
}

RecordEventStream::RecordEventStream(Source source, ULONG eventSize, Tick fromTick, Tick endTick)
    : mSource(std::move(source)), mComplete(false), mEventSize(eventSize), mFrom(fromTick), mEnd(endTick),
      mReached(fromTick) {
    refresh();
    mNext = mFirst;
}

void RecordEventStream::bound() {
    const std::size_t count = mEvents && mEventSize ? mEvents->size() / mEventSize : 0;
    mFirst = 0;
    while (mFirst < count && tickAt(mFirst) < mFrom)
        ++mFirst;
    mLast = mFirst;
    while (mLast < count && tickAt(mLast) < mEnd)
        ++mLast;
    mNext = std::max(mNext, mFirst);
}

void RecordEventStream::refresh() {
    if (mComplete || !mSource)
        return;
    std::tie(mEvents, mComplete) = mSource();
    bound();
}

Tick RecordEventStream::tickAt(std::size_t index) const {
    std::int32_t tick = 0;
    std::memcpy(&tick, mEvents->data() + index * mEventSize, sizeof(tick));
    return tick;
}

Tick RecordEventStream::position() const {
    if (mNext < mLast)
        return tickAt(mNext);
    return mComplete ? INT_MAX : mReached;
}

HRESULT RecordEventStream::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count,
                                LONG* position) {
    if (!buffer || !count || !position || bufferBytes < mEventSize)
        return E_INVALIDARG;
    if (mNext >= mLast)
        refresh();
    const ULONG capacity = bufferBytes / mEventSize;
    ULONG n = 0;
    while (n < capacity && mNext < mLast && tickAt(mNext) < tickLimit) {
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

HRESULT RecordEventStream::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                                void* event) {
    refresh();
    std::size_t found = mLast;
    if (backward) {
        for (std::size_t i = mFirst; i < mLast && tickAt(i) <= tick; ++i)
            if (tickAt(i) >= rangeStart && tickAt(i) < rangeEnd)
                found = i;
    } else {
        for (std::size_t i = mFirst; i < mLast && found == mLast; ++i)
            if (tickAt(i) >= std::max(tick, rangeStart) && tickAt(i) < rangeEnd)
                found = i;
    }
    if (found == mLast)
        return S_FALSE;
    mNext = found;
    if (event && eventBytes >= mEventSize)
        std::memcpy(event, mEvents->data() + found * mEventSize, mEventSize);
    return S_OK;
}

HRESULT RecordEventStream::GetPosition(LONG* tick) {
    if (!tick)
        return E_POINTER;
    *tick = position();
    return S_OK;
}

HRESULT RecordEventStream::Clone(IEnumEventEx** out) {
    if (!out)
        return E_POINTER;
    auto* copy = mSource ? new RecordEventStream(mSource, mEventSize, mFrom, mEnd)
                         : new RecordEventStream(mEvents, mEventSize, mFrom, mEnd);
    copy->setDrawClassSource(mDrawClass);
    *out = copy;
    return S_OK;
}

HRESULT RecordEventStream::GetEventSize(ULONG* bytes) {
    if (!bytes)
        return E_POINTER;
    *bytes = mEventSize;
    return S_OK;
}

HRESULT RecordEventStream::GetDrawClassId(DWORD* id) {
    if (!id)
        return E_POINTER;
    *id = mDrawClass ? mDrawClass() : 0;
    return S_OK;
}

void* RecordEventStream::find(REFIID iid) {
    return iid == IID_IEnumEventEx ? static_cast<IEnumEventEx*>(this) : nullptr;
}

} // namespace Vantrel
