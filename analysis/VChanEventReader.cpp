#include "analysis/VChanEventReader.h"

#include <cstring>

namespace Tarvik {

void VChanEventReader::Reset() {
    mEnumerator.Reset();
    mCurrent = mBegin = mEnd = 0;
    mReturned = 0;
    mCursorIndex = mCursorRecord = mCursorOffset = -2;
}

bool VChanEventReader::Open(IDocumentEvents* events, DWORD channel, std::int32_t record) {
    Reset();
    if (!events)
        return false;
    const HRESULT hr =
        events->CreateEventEnumerator(kEventSourceFlag | kEventSourceVirtual, channel, kEventEnumeratorFlags,
                                      0, record, INT32_MAX, 0, mEnumerator.Put());
    if (FAILED(hr) || !mEnumerator) {
        mEnumerator.Reset();
        return false;
    }
    ULONG size = 0;
    if (FAILED(mEnumerator->GetEventSize(&size)) || size == 0 || size > 0x10000)
        return false;
    mEventSize = size;
    mBufferSize = size * kBufferEvents;
    mBuffer.assign(mBufferSize, 0);
    return ReadBlock();
}

bool VChanEventReader::ReadBlock() {
    mReturned = 0;
    mBegin = mCurrent = mEnd = 0;
    if (!mEnumerator)
        return false;
    mLastResult = mEnumerator->Next(mBufferSize, mLimit, mBuffer.data(), &mReturned, &mNextPosition);
    if (FAILED(mLastResult) || mReturned > static_cast<ULONG>(kBufferEvents))
        mReturned = 0;
    mEnd = mBegin + std::size_t{mReturned} * mEventSize;
    return mReturned > 0;
}

bool VChanEventReader::HasCurrent() {
    if (mCurrent < mEnd)
        return true;
    return ReadBlock();
}

bool VChanEventReader::Advance() {
    if (!HasCurrent())
        return false;
    mCurrent += mEventSize;
    return HasCurrent();
}

bool VChanEventReader::Read(IDocumentEvents* events, DWORD channel, std::int32_t index, std::int32_t record,
                            std::int32_t offset, void* out, std::uint32_t bytes) {
    const bool sameRecord = mEnumerator && record == mCursorRecord;
    bool found = false;
    if (sameRecord && offset == mCursorOffset + 1) {
        found = Advance();
    } else if (sameRecord && offset == mCursorOffset) {
        found = HasCurrent();
    } else {
        found = Open(events, channel, record);
        for (std::int32_t k = 0; found && k < offset; ++k)
            found = Advance();
    }
    mCursorIndex = index;
    mCursorRecord = record;
    mCursorOffset = found ? offset : -2; // after a failure the record is read again from its start
    if (!found || bytes > mEventSize)
        return false;
    std::memcpy(out, mBuffer.data() + mCurrent, bytes);
    return true;
}

} // namespace Tarvik
