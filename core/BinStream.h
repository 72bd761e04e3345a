#pragma once
// The common part of the binary streams: a byte stream buffer and a sticky
// state. The state only grows; once it is not good every operation is skipped.

#include <cstdint>
#include <streambuf>

#include "platform/win32/hresult.h"

namespace Ovo {

class BinStream {
public:
    static constexpr std::int32_t kGood = 0;
    // A read or write fell short, a character could not be moved, or a seek failed.
    static constexpr std::int32_t kShort = 2;
    // Setting the stream up or flushing it failed.
    static constexpr std::int32_t kSetupFailed = 4;

    BinStream(const BinStream&) = delete;
    BinStream& operator=(const BinStream&) = delete;

    std::int32_t State() const { return mState; }
    bool Good() const { return mState == kGood; }

protected:
    BinStream(std::streambuf* buffer, bool ownsBuffer) : mBuffer(buffer), mOwns(ownsBuffer) {}
    ~BinStream() {
        if (mOwns)
            delete mBuffer;
    }

    void Fail(std::int32_t state) { mState |= state; }
    HRESULT Result() const { return Good() ? S_OK : E_FAIL; }
    std::streambuf* Buffer() const { return mBuffer; }
    // Moves n bytes; a short move sets kShort. False when skipped or short.
    bool Get(void* data, std::streamsize n);
    bool Put(const void* data, std::streamsize n);
    // The buffer's current position; a failed seek sets kShort.
    HRESULT Position(std::ios_base::openmode which, DWORD* position);

private:
    std::streambuf* mBuffer;
    std::int32_t mState = kGood;
    bool mOwns;
};

} // namespace Ovo
