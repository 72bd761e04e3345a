#include "host/engine/SampleCursor.h"

#include "platform/win32/com_ptr.h"

#include <algorithm>

namespace Vantrel {

SampleCursor::SampleCursor(const Recording& recording, std::shared_ptr<const SampleExpression> expression,
                           std::int32_t record, Tick endTick)
    : mRecording(recording), mExpression(std::move(expression)), mRecord(record), mEnd(endTick) {}

Tick SampleCursor::reach() const {
    return std::min(mExpression->reach(mRecording, mRecord), mEnd);
}

bool SampleCursor::complete() const {
    return SampleExpression::recordComplete(mRecording, mRecord) || reach() >= mEnd;
}

void* SampleCursor::find(REFIID iid) {
    return iid == IID_ISampleChannel ? static_cast<ISampleChannel*>(this) : nullptr;
}

HRESULT SampleCursor::Read(ULONG maxCount, float* buffer, ULONG* count) {
    if (!count || (!buffer && maxCount > 0))
        return E_POINTER;
    const Tick reach = this->reach();
    const Tick n = static_cast<Tick>(std::min<std::int64_t>(
        maxCount, std::max<std::int64_t>(0, static_cast<std::int64_t>(reach) - mPosition)));
    *count = static_cast<ULONG>(n);
    if (n == 0)
        return complete() && mPosition >= reach ? S_FALSE : S_OK;
    mExpression->read(mRecording, mRecord, mPosition, std::span<float>(buffer, static_cast<std::size_t>(n)),
                      mScratch);
    mPosition += n;
    return S_OK;
}

HRESULT SampleCursor::GetPosition(LONG* tick) {
    if (!tick)
        return E_POINTER;
    *tick = mPosition;
    return S_OK;
}

HRESULT SampleCursor::Seek(LONG tick) {
    mPosition = std::max<LONG>(tick, 0);
    return S_OK;
}

HRESULT SampleCursor::IsRecordComplete() {
    return complete() ? S_OK : S_FALSE;
}

HRESULT SampleCursor::CloneCursor(ISampleChannel** out) {
    if (!out)
        return E_POINTER;
    auto* clone = new SampleCursor(mRecording, mExpression, mRecord, mEnd);
    clone->mPosition = mPosition;
    *out = clone;
    return S_OK;
}

HRESULT SampleCursor::GetEventInfo(CalcEventInfo* info) {
    if (!info)
        return E_POINTER;
    *info = CalcEventInfo{};
    return S_OK;
}

HRESULT SampleCursor::GetTickPeriod(double* seconds) {
    if (!seconds)
        return E_POINTER;
    *seconds = mRecording.record(mRecord).tickPeriod();
    return S_OK;
}

} // namespace Vantrel
