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
    if (m_attached != 0 || stream == nullptr || FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        return false;
    ULARGE_INTEGER position{};
    if (FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position)))
        return false;
    const DWORD mode = stat.grfMode & 3;
    m_access = mode == STGM_WRITE ? kWrite : mode == STGM_READWRITE ? kRead | kWrite : kRead;
    if (forceWrite)
        m_access |= kWrite;
    m_stream = stream;
    m_stream->AddRef();
    m_attached = 1;
    m_position = static_cast<std::int64_t>(position.QuadPart);
    EmptyAreas();
    return true;
}

void StorageStreamBuf::Detach() {
    if (m_attached == 0)
        return;
    overflow(traits::eof());
    m_stream->Release();
    m_stream = nullptr;
    m_attached = 0;
}

void StorageStreamBuf::EmptyAreas() {
    setg(m_buffer, m_buffer, m_buffer);
    setp(nullptr, nullptr);
    m_highWater = 0;
}

StorageStreamBuf::int_type StorageStreamBuf::underflow() {
    if (m_attached == 0 || (m_access & kRead) == 0)
        return traits::eof();
    if (gptr() < egptr())
        return traits::to_int_type(*gptr());
    if (sync() == -1)
        return traits::eof();
    ULONG read = 0;
    const HRESULT hr = m_stream->Read(m_buffer, kBufferSize, &read);
    m_position += read;
    if (FAILED(hr) || read == 0)
        return traits::eof();
    setg(m_buffer, m_buffer, m_buffer + read);
    return traits::to_int_type(*gptr());
}

StorageStreamBuf::int_type StorageStreamBuf::overflow(int_type c) {
    if (m_attached == 0 || (m_access & kWrite) == 0 || sync() == -1)
        return traits::eof();
    setg(m_buffer, m_buffer, m_buffer);
    setp(m_buffer, m_buffer + kBufferSize);
    if (traits::eq_int_type(c, traits::eof()))
        return traits::not_eof(c);
    *pptr() = traits::to_char_type(c);
    pbump(1);
    return c;
}

int StorageStreamBuf::sync() {
    if (m_attached == 0)
        return 0;
    const auto pending = static_cast<ULONG>(std::max<std::ptrdiff_t>(pptr() - pbase(), m_highWater));
    m_highWater = 0;
    if (pending > 0) {
        ULONG written = 0;
        const HRESULT hr = m_stream->Write(pbase(), pending, &written);
        m_position += written;
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
        if (FAILED(m_stream->Seek(back, STREAM_SEEK_CUR, &position)))
            return -1;
        m_position = static_cast<std::int64_t>(position.QuadPart);
    }
    EmptyAreas();
    return 0;
}

StorageStreamBuf::pos_type StorageStreamBuf::SeekStream(off_type off, std::ios_base::seekdir dir) {
    if (m_attached == 0 || sync() == -1)
        return pos_type(off_type(-1));
    LARGE_INTEGER move;
    move.QuadPart = off;
    ULARGE_INTEGER position{};
    if (FAILED(m_stream->Seek(move, Origin(dir), &position)))
        return pos_type(off_type(-1));
    m_position = static_cast<std::int64_t>(position.QuadPart);
    return pos_type(m_position);
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
    const std::int64_t current = m_position - (egptr() - gptr());
    if (off == 0 && dir == std::ios_base::cur)
        return pos_type(current);
    if (dir != std::ios_base::end) {
        const std::int64_t target = dir == std::ios_base::beg ? off : current + off;
        const std::int64_t bufferStart = m_position - (egptr() - eback());
        if (target >= bufferStart && target <= m_position) {
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
        return pos_type(m_position + put);
    if (dir != std::ios_base::end && pbase() != nullptr) {
        m_highWater = std::max<std::uint32_t>(m_highWater, static_cast<std::uint32_t>(put));
        const std::int64_t target = dir == std::ios_base::beg ? off : m_position + put + off;
        if (target >= m_position && target <= m_position + m_highWater) {
            setp(pbase(), epptr());
            pbump(static_cast<int>(target - m_position));
            return pos_type(target);
        }
        // Flushing moves the stream past the furthest byte written, which may
        // lie beyond the current point: seek to the target from the start.
        return target < 0 ? pos_type(off_type(-1)) : SeekStream(target, std::ios_base::beg);
    }
    return SeekStream(off, dir);
}

} // namespace Ovo
