#pragma once
// IStream: a seekable byte stream with 64-bit positions, and a stream over
// memory with switches that make chosen calls fail or fall short.

#include <vector>

#include "platform/win32/unknown.h"

inline constexpr IID IID_ISequentialStream = MakeGuid("{0C733A30-2A1C-11CE-ADE5-00AA0044773D}");
inline constexpr IID IID_IStream = MakeGuid("{0000000C-0000-0000-C000-000000000046}");

inline constexpr DWORD STGM_READ = 0;
inline constexpr DWORD STGM_WRITE = 1;
inline constexpr DWORD STGM_READWRITE = 2;
inline constexpr DWORD STATFLAG_DEFAULT = 0;
inline constexpr DWORD STATFLAG_NONAME = 1;
inline constexpr DWORD STREAM_SEEK_SET = 0;
inline constexpr DWORD STREAM_SEEK_CUR = 1;
inline constexpr DWORD STREAM_SEEK_END = 2;
inline constexpr DWORD STGTY_STREAM = 2;

struct STATSTG {
    LPWSTR pwcsName; // always null: streams here have no names
    DWORD type;
    ULARGE_INTEGER cbSize;
    FILETIME mtime;
    FILETIME ctime;
    FILETIME atime;
    DWORD grfMode;
    DWORD grfLocksSupported;
    CLSID clsid;
    DWORD grfStateBits;
    DWORD reserved;
};

struct ISequentialStream : IUnknown {
    virtual HRESULT Read(void* buffer, ULONG size, ULONG* read) = 0;         // slot 3
    virtual HRESULT Write(const void* data, ULONG size, ULONG* written) = 0; // slot 4

protected:
    ~ISequentialStream() = default;
};

struct IStream : ISequentialStream {
    virtual HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) = 0; // slot 5
    virtual HRESULT SetSize(ULARGE_INTEGER size) = 0;                                     // slot 6
    virtual HRESULT CopyTo(IStream* target, ULARGE_INTEGER size, ULARGE_INTEGER* read,
                           ULARGE_INTEGER* written) = 0;                                      // slot 7
    virtual HRESULT Commit(DWORD flags) = 0;                                                  // slot 8
    virtual HRESULT Revert() = 0;                                                             // slot 9
    virtual HRESULT LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) = 0;   // slot 10
    virtual HRESULT UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER size, DWORD type) = 0; // slot 11
    virtual HRESULT Stat(STATSTG* stat, DWORD flags) = 0;                                     // slot 12
    virtual HRESULT Clone(IStream** clone) = 0;                                               // slot 13

protected:
    ~IStream() = default;
};

// Operations of a MemoryStream that a test can make fail.
enum class StreamOp { Read, Write, Seek, SetSize, Stat };

// A reference-counted stream over a growable byte vector. Reading past the end
// reads what is there; seeking past the end is allowed and a write there fills
// the gap with zeros; a negative position is refused.
class MemoryStream final : public IStream {
public:
    // Count 1. grfMode is what Stat reports; the stream itself reads and writes.
    static MemoryStream* Create(std::vector<BYTE> bytes = {}, DWORD grfMode = STGM_READWRITE);

    const std::vector<BYTE>& Bytes() const { return mBytes; }

    // Every call of op after the next `skip` ones fails (STG_E_READFAULT,
    // STG_E_WRITEFAULT or E_FAIL, with nothing moved) or, with cutShort, a Read or
    // Write moves only half the bytes asked for (rounded down) and succeeds.
    void InjectFault(StreamOp op, int skip = 0, bool cutShort = false);
    void ClearFault() { mFaulty = false; }

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Read(void* buffer, ULONG size, ULONG* read) override;
    HRESULT Write(const void* data, ULONG size, ULONG* written) override;
    HRESULT Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT SetSize(ULARGE_INTEGER size) override;
    HRESULT CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
    HRESULT Commit(DWORD) override { return S_OK; }
    HRESULT Revert() override { return S_OK; }
    HRESULT LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
    HRESULT UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
    HRESULT Stat(STATSTG* stat, DWORD flags) override;
    HRESULT Clone(IStream**) override { return E_NOTIMPL; }

private:
    MemoryStream(std::vector<BYTE> bytes, DWORD grfMode) : mBytes(std::move(bytes)), mMode(grfMode) {}
    ~MemoryStream() = default;
    // 0: proceed; 1: cut short; -1: fail.
    int Fault(StreamOp op);

    LONG mRefs = 1;
    std::vector<BYTE> mBytes;
    ULONGLONG mPosition = 0;
    DWORD mMode;
    bool mFaulty = false;
    StreamOp mFaultOp = StreamOp::Read;
    int mFaultSkip = 0;
    bool mCutShort = false;
};

// A memory stream. A null memory handle gives a new, empty stream (then
// deleteOnRelease must be TRUE: the stream owns its memory). A global memory
// block (global.h) gives a stream over a copy of the block's bytes taken now;
// the block stays the caller's, so deleteOnRelease must be FALSE then.
// E_INVALIDARG for a handle that names no block.
HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream);
