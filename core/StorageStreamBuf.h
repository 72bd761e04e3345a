#pragma once
// A byte stream buffer over a COM storage stream (IStream), moving data in
// blocks of up to 1024 bytes. The recorded position always equals the
// IStream's own current position: the get area holds bytes read up to it, the
// put area bytes still to be written from it.

#include <cstdint>
#include <streambuf>

#include "platform/win32/com_ptr.h"
#include "platform/win32/stream.h"

namespace Ovo {

class StorageStreamBuf : public std::streambuf {
public:
    static constexpr int kRead = 1;
    static constexpr int kWrite = 2;
    static constexpr std::size_t kBufferSize = 1024;

    StorageStreamBuf() = default;
    StorageStreamBuf(const StorageStreamBuf&) = delete;
    StorageStreamBuf& operator=(const StorageStreamBuf&) = delete;
    ~StorageStreamBuf() override { Detach(); }

    // Holds one reference to the stream. The access comes from the stream's
    // mode (STGM_READ, STGM_WRITE, STGM_READWRITE); forceWrite adds writing.
    // False when already attached or when Stat or Seek fails.
    bool Attach(IStream* stream, bool forceWrite);
    // Flushes pending output and releases the stream.
    void Detach();
    // Drops output not yet written to the stream.
    void DiscardOutput() { EmptyAreas(); }
    IStream* Stream() const { return mStream.Get(); }

protected:
    int_type underflow() override;
    int_type overflow(int_type c) override;
    int sync() override;
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override;

    // Seeks the IStream after a sync; -1 on failure.
    pos_type SeekStream(off_type off, std::ios_base::seekdir dir);
    void EmptyAreas();

    std::int64_t mPosition = 0;
    std::uint32_t mHighWater = 0;

private:
    ComPtr<IStream> mStream;
    int mAccess = 0;
    std::uint16_t mAttached = 0;
    char mBuffer[kBufferSize] = {};
};

} // namespace Ovo
