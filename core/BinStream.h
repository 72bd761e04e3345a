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

    std::int32_t State() const { return m_state; }
    bool Good() const { return m_state == kGood; }

protected:
    BinStream(std::streambuf* buffer, bool ownsBuffer) : m_buffer(buffer), m_owns(ownsBuffer) {}
    ~BinStream() {
        if (m_owns)
            delete m_buffer;
    }

    void Fail(std::int32_t state) { m_state |= state; }
    HRESULT Result() const { return Good() ? S_OK : E_FAIL; }
    std::streambuf* Buffer() const { return m_buffer; }
    // Moves n bytes; a short move sets kShort. False when skipped or short.
    bool Get(void* data, std::streamsize n);
    bool Put(const void* data, std::streamsize n);
    // The buffer's current position; a failed seek sets kShort.
    HRESULT Position(std::ios_base::openmode which, DWORD* position);

private:
    std::streambuf* m_buffer;
    std::int32_t m_state = kGood;
    bool m_owns;
};

} // namespace Ovo
