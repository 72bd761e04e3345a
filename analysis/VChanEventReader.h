#pragma once

#include "platform/vantrel/IDocumentEvents.h"
#include "platform/win32/com_ptr.h"

#include <cstdint>
#include <vector>

namespace Tarvik {

// A cursor over the events of one virtual channel, one record at a time, read from the host eight
// events per block. Reading the next event of the record under the cursor, or the same event again,
// costs no call to the host beyond one block read per eight events; any other event re-opens its
// record and reads forward to it.
class VChanEventReader {
public:
    static constexpr std::int32_t kBufferEvents = 8;

    VChanEventReader() = default;
    // A copy has no enumerator of its own yet: it opens its record on its first read, so that two
    // copies never pull from one enumerator.
    VChanEventReader(const VChanEventReader&) : VChanEventReader() {}
    VChanEventReader& operator=(const VChanEventReader&) = delete;

    // Copies the event at `offset` in `record` of the virtual channel `channel` (`bytes` bytes; the
    // channel's events must be at least that large) into out. `index` is the caller's number of the
    // event; the cursor remembers it. False when the record cannot be opened or holds no such event;
    // the cursor then stays on the index and record tried.
    bool Read(IDocumentEvents* events, DWORD channel, std::int32_t index, std::int32_t record,
              std::int32_t offset, void* out, std::uint32_t bytes);
    // Releases the enumerator; the next read opens its record.
    void Reset();

    std::int32_t cursorIndex() const { return mCursorIndex; }
    std::int32_t cursorRecord() const { return mCursorRecord; }

private:
    bool Open(IDocumentEvents* events, DWORD channel, std::int32_t record);
    bool ReadBlock();
    // True when an event lies under the cursor, reading the next block when the buffer is used up.
    bool HasCurrent();
    bool Advance();

    std::vector<unsigned char> mBuffer;
    std::uint32_t mBufferSize = 0;                  // bytes
    std::uint32_t mEventSize = 0;                   // bytes
    std::size_t mCurrent = 0, mBegin = 0, mEnd = 0; // byte offsets into mBuffer
    ComPtr<IEnumEventEx> mEnumerator;
    ULONG mReturned = 0;
    HRESULT mLastResult = S_OK;
    LONG mNextPosition = 0;
    LONG mLimit = INT32_MAX;
    std::int32_t mCursorIndex = -2;
    std::int32_t mCursorRecord = -2;
    std::int32_t mCursorOffset = -2; // offset in the record of the event under the cursor
};

} // namespace Tarvik
