#include "analysis/EEH3EventWrapper.h"

#include <algorithm>

#include "platform/vantrel/ICalcEnum.h"

namespace EEH3 {

ComPtr<IEnumEventEx> EventWrapper::Attach(IUnknown* source, std::uint32_t minimumEventSize,
                                          std::uint32_t& eventSize) {
    auto inner = QueryInterfacePtr<IEnumEventEx>(source, IID_IEnumEventEx);
    if (!inner)
        return nullptr;
    ULONG size = 0;
    if (FAILED(inner->GetEventSize(&size)) || size < minimumEventSize || size < sizeof(OvoEventBase))
        return nullptr;
    eventSize = size;
    return inner;
}

std::unique_ptr<EventWrapper> EventWrapper::Create(IUnknown* source, std::uint32_t minimumEventSize) {
    std::uint32_t size = 0;
    ComPtr<IEnumEventEx> inner = Attach(source, minimumEventSize, size);
    return inner ? std::unique_ptr<EventWrapper>(new EventWrapper(std::move(inner), size)) : nullptr;
}

EventWrapper::EventWrapper(ComPtr<IEnumEventEx> inner, std::uint32_t eventSize)
    : mInner(std::move(inner)), mEventSize(eventSize), mBuffer(std::size_t{eventSize} * kBufferEvents) {}

std::int32_t EventWrapper::TickAt(std::uint32_t index) const {
    return ReadEventRecord<OvoEventBase>(mBuffer.data() + std::size_t{index} * mEventSize).tick;
}

std::int32_t EventWrapper::Position() {
    if (mEnded)
        return INT32_MAX;
    if (mCursor < mCount)
        return TickAt(mCursor);
    return mInnerPosition;
}

bool EventWrapper::HasCurrent() {
    return mCursor < mCount || Fill();
}

bool EventWrapper::Advance() {
    if (!HasCurrent())
        return false;
    ++mCursor;
    return HasCurrent();
}

// Pulls the next events below the end tick. A failing inner calculation counts
// as one whose data have ended, so that no detector waits for it forever.
bool EventWrapper::Fill() {
    if (mEnded)
        return false;
    ULONG got = 0;
    LONG position = mInnerPosition;
    const HRESULT hr =
        mInner->Next(static_cast<ULONG>(mBuffer.size()), mEndTick, mBuffer.data(), &got, &position);
    mCursor = 0;
    mCount = FAILED(hr) ? 0 : std::min<std::uint32_t>(got, kBufferEvents);
    mInnerPosition = position;
    if (hr == S_FALSE || FAILED(hr))
        mInnerAtEnd = true;
    if (mCount == 0 && (mInnerAtEnd || position >= mEndTick))
        mEnded = true;
    return mCount > 0;
}

void EventWrapper::Seek(std::int32_t tick) {
    if (tick >= mEndTick) {
        mEnded = true;
        mCursor = mCount = 0;
        return;
    }
    mEnded = false;
    if (mCount > 0 && tick >= TickAt(0) && tick <= TickAt(mCount - 1)) {
        std::uint32_t i = 0;
        while (TickAt(i) < tick)
            ++i;
        mCursor = i;
        return;
    }
    mCursor = mCount = 0;
    mInner->Find(FALSE, tick, tick, tick + 1, 0, nullptr);
    LONG position = tick;
    if (FAILED(mInner->GetPosition(&position)))
        position = tick;
    mInnerPosition = position;
    mInnerAtEnd = position == INT32_MAX;
    mEnded = mInnerAtEnd;
}

void EventWrapper::GetEventInfo(CalcEventInfo& info) {
    if (const auto calc = mInner.Query<ICalcEnum>(IID_ICalcEnum)) {
        CalcEventInfo answer;
        if (SUCCEEDED(calc->GetEventInfo(&answer)))
            info = answer;
    }
}

bool EventWrapper::IsRecordComplete() {
    return mEnded || mInnerAtEnd;
}

} // namespace EEH3
