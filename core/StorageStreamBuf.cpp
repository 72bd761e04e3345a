#include "core/StorageStreamBuf.h"

#include <algorithm>

#include "core/StorageInStreamBuf.h"
#include "core/StorageOutStreamBuf.h"

namespace Ovo {

namespace {

using traits = std::char_traits<char>;

DWORD Origin(std::ios_base::seekdir dir) {
    return dir == std::ios_base::beg   ? STREAM_SEEK_SET
           : dir == std::ios_base::cur ? STREAM_SEEK_CUR
                                       : STREAM_SEEK_END;
}

} // namespace

bool StorageStreamBuf::Attach(IStream* stream, bool forceWrite) {
    STATSTG stat;
    if (mAttached != 0 || stream == nullptr || FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        return false;
    ULARGE_INTEGER position{};
    if (FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position)))
        return false;
    const DWORD mode = stat.grfMode & 3;
    mAccess = mode == STGM_WRITE ? kWrite : mode == STGM_READWRITE ? kRead | kWrite : kRead;
    if (forceWrite)
        mAccess |= kWrite;
    mStream = ComPtr<IStream>(stream);
    mAttached = 1;
    mPosition = static_cast<std::int64_t>(position.QuadPart);
    EmptyAreas();
    return true;
}

void StorageStreamBuf::Detach() {
    if (mAttached == 0)
        return;
    overflow(traits::eof());
    mStream.Reset();
    mAttached = 0;
}

void StorageStreamBuf::EmptyAreas() {
    setg(mBuffer, mBuffer, mBuffer);
    setp(nullptr, nullptr);
    mHighWater = 0;
}

StorageStreamBuf::int_type StorageStreamBuf::underflow() {
    if (mAttached == 0 || (mAccess & kRead) == 0)
        return traits::eof();
    if (gptr() < egptr())
        return traits::to_int_type(*gptr());
    if (sync() == -1)
        return traits::eof();
    ULONG read = 0;
    const HRESULT hr = mStream->Read(mBuffer, kBufferSize, &read);
    mPosition += read;
    if (FAILED(hr) || read == 0)
        return traits::eof();
    setg(mBuffer, mBuffer, mBuffer + read);
    return traits::to_int_type(*gptr());
}

StorageStreamBuf::int_type StorageStreamBuf::overflow(int_type c) {
    if (mAttached == 0 || (mAccess & kWrite) == 0 || sync() == -1)
        return traits::eof();
    setg(mBuffer, mBuffer, mBuffer);
    setp(mBuffer, mBuffer + kBufferSize);
    if (traits::eq_int_type(c, traits::eof()))
        return traits::not_eof(c);
    *pptr() = traits::to_char_type(c);
    pbump(1);
    return c;
}

int StorageStreamBuf::sync() {
    if (mAttached == 0)
        return 0;
    const auto pending = static_cast<ULONG>(std::max<std::ptrdiff_t>(pptr() - pbase(), mHighWater));
    mHighWater = 0;
    if (pending > 0) {
        ULONG written = 0;
        const HRESULT hr = mStream->Write(pbase(), pending, &written);
        mPosition += written;
        // Emptied even on failure: writing the same bytes again would repeat
        // the part that did get out.
        EmptyAreas();
        return SUCCEEDED(hr) && written == pending ? 0 : -1;
    }
    const std::ptrdiff_t unread = egptr() - gptr();
    if (unread > 0) {
        LARGE_INTEGER back;
        back.QuadPart = -unread;
        ULARGE_INTEGER position{};
        if (FAILED(mStream->Seek(back, STREAM_SEEK_CUR, &position)))
            return -1;
        mPosition = static_cast<std::int64_t>(position.QuadPart);
    }
    EmptyAreas();
    return 0;
}

StorageStreamBuf::pos_type StorageStreamBuf::SeekStream(off_type off, std::ios_base::seekdir dir) {
    if (mAttached == 0 || sync() == -1)
        return pos_type(off_type(-1));
    LARGE_INTEGER move;
    move.QuadPart = off;
    ULARGE_INTEGER position{};
    if (FAILED(mStream->Seek(move, Origin(dir), &position)))
        return pos_type(off_type(-1));
    mPosition = static_cast<std::int64_t>(position.QuadPart);
    return pos_type(mPosition);
}

StorageStreamBuf::pos_type StorageStreamBuf::seekoff(off_type off, std::ios_base::seekdir dir,
                                                     std::ios_base::openmode) {
    return SeekStream(off, dir);
}

StorageStreamBuf::pos_type StorageStreamBuf::seekpos(pos_type pos, std::ios_base::openmode which) {
    return seekoff(off_type(pos), std::ios_base::beg, which);
}

StorageInStreamBuf::pos_type StorageInStreamBuf::seekoff(off_type off, std::ios_base::seekdir dir,
                                                         std::ios_base::openmode) {
    const std::int64_t current = mPosition - (egptr() - gptr());
    if (off == 0 && dir == std::ios_base::cur)
        return pos_type(current);
    if (dir != std::ios_base::end) {
        const std::int64_t target = dir == std::ios_base::beg ? off : current + off;
        const std::int64_t bufferStart = mPosition - (egptr() - eback());
        if (target >= bufferStart && target <= mPosition) {
            setg(eback(), eback() + (target - bufferStart), egptr());
            return pos_type(target);
        }
    }
    return SeekStream(off, dir);
}

StorageOutStreamBuf::pos_type StorageOutStreamBuf::seekoff(off_type off, std::ios_base::seekdir dir,
                                                           std::ios_base::openmode) {
    const std::ptrdiff_t put = pptr() - pbase();
    if (off == 0 && dir == std::ios_base::cur)
        return pos_type(mPosition + put);
    if (dir != std::ios_base::end && pbase() != nullptr) {
        mHighWater = std::max<std::uint32_t>(mHighWater, static_cast<std::uint32_t>(put));
        const std::int64_t target = dir == std::ios_base::beg ? off : mPosition + put + off;
        if (target >= mPosition && target <= mPosition + mHighWater) {
            setp(pbase(), epptr());
            pbump(static_cast<int>(target - mPosition));
            return pos_type(target);
        }
        // Flushing moves the stream past the furthest byte written, which may
        // lie beyond the current point: seek to the target from the start.
        return target < 0 ? pos_type(off_type(-1)) : SeekStream(target, std::ios_base::beg);
    }
    return SeekStream(off, dir);
}

} // namespace Ovo
