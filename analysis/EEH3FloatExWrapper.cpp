#include "analysis/EEH3FloatExWrapper.h"

#include <algorithm>

namespace EEH3 {

FloatExWrapper::FloatExWrapper(ISampleChannel* channel) : mChannel(channel) {}

std::int32_t FloatExWrapper::Read(float* out, std::int32_t count) {
    std::int32_t copied = 0;
    while (copied < count && HasCurrent()) {
        const std::int32_t n = std::min(count - copied, mCount - mCursor);
        std::copy_n(mBuffer.begin() + mCursor, n, out + copied);
        mCursor += n;
        copied += n;
    }
    return copied;
}

// Reads the next block at the cursor: at most up to the end tick. A complete
// record read to its end, or the end tick reached, ends the input.
bool FloatExWrapper::Fill() {
    if (mEnded || !mChannel)
        return false;
    const std::int32_t position = mBufferStart + mCursor;
    if (position >= mEndTick) {
        mEnded = true;
        return false;
    }
    if (!mChannelAt)
        mChannel->Seek(position);
    const auto wanted = static_cast<ULONG>(
        std::min<std::int64_t>(static_cast<std::int64_t>(mEndTick) - position, kBufferSize));
    ULONG got = 0;
    const HRESULT hr = mChannel->Read(wanted, mBuffer.data(), &got);
    if (FAILED(hr))
        got = 0;
    mBufferStart = position;
    mCursor = 0;
    mCount = static_cast<std::int32_t>(std::min(got, wanted));
    mChannelAt = true;
    if (mCount == 0 && hr == S_FALSE)
        mEnded = true;
    return mCount > 0;
}

void FloatExWrapper::Seek(std::int32_t tick) {
    tick = std::max(tick, 0);
    if (tick >= mEndTick) {
        mEnded = true;
        mBufferStart = mEndTick;
        mCursor = mCount = 0;
        mChannelAt = false;
        return;
    }
    mEnded = false;
    if (tick >= mBufferStart && tick < mBufferStart + mCount) {
        mCursor = tick - mBufferStart;
        return;
    }
    // Just past the buffer the channel's cursor already stands where the next block starts.
    mChannelAt = mChannelAt && tick == mBufferStart + mCount;
    mBufferStart = tick;
    mCursor = mCount = 0;
}

void FloatExWrapper::GetEventInfo(CalcEventInfo& info) {
    CalcEventInfo answer;
    if (mChannel && SUCCEEDED(mChannel->GetEventInfo(&answer)))
        info = answer;
}

bool FloatExWrapper::IsRecordComplete() {
    return !mChannel || mChannel->IsRecordComplete() == S_OK;
}

} // namespace EEH3
