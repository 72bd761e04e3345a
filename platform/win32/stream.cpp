#include "platform/win32/stream.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/global.h"
#include "platform/win32/sync.h"

namespace {

// Largest size a memory stream grows to.
constexpr ULONGLONG kMaxSize = 0x7FFFFFFF;

} // namespace

MemoryStream* MemoryStream::Create(std::vector<BYTE> bytes, DWORD grfMode) {
    return new MemoryStream(std::move(bytes), grfMode);
}

void MemoryStream::InjectFault(StreamOp op, int skip, bool cutShort) {
    mFaulty = true;
    mFaultOp = op;
    mFaultSkip = skip;
    mCutShort = cutShort;
}

int MemoryStream::Fault(StreamOp op) {
    if (!mFaulty || op != mFaultOp)
        return 0;
    if (mFaultSkip > 0) {
        --mFaultSkip;
        return 0;
    }
    return mCutShort && (op == StreamOp::Read || op == StreamOp::Write) ? 1 : -1;
}

HRESULT MemoryStream::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream) {
        *out = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG MemoryStream::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&mRefs));
}

ULONG MemoryStream::Release() {
    const LONG n = InterlockedDecrement(&mRefs);
    if (n == 0)
        delete this;
    return static_cast<ULONG>(n);
}

HRESULT MemoryStream::Read(void* buffer, ULONG size, ULONG* read) {
    if (read != nullptr)
        *read = 0;
    const int fault = Fault(StreamOp::Read);
    if (fault < 0)
        return STG_E_READFAULT;
    const ULONGLONG available = mPosition < mBytes.size() ? mBytes.size() - mPosition : 0;
    auto n = static_cast<ULONG>(std::min<ULONGLONG>(size, available));
    if (fault > 0)
        n /= 2;
    if (n != 0)
        std::memcpy(buffer, mBytes.data() + mPosition, n);
    mPosition += n;
    if (read != nullptr)
        *read = n;
    return S_OK;
}

HRESULT MemoryStream::Write(const void* data, ULONG size, ULONG* written) {
    if (written != nullptr)
        *written = 0;
    const int fault = Fault(StreamOp::Write);
    if (fault < 0)
        return STG_E_WRITEFAULT;
    if (fault > 0)
        size /= 2;
    if (mPosition + size > kMaxSize)
        return STG_E_WRITEFAULT;
    if (mPosition + size > mBytes.size())
        mBytes.resize(mPosition + size);
    if (size != 0)
        std::memcpy(mBytes.data() + mPosition, data, size);
    mPosition += size;
    if (written != nullptr)
        *written = size;
    return S_OK;
}

HRESULT MemoryStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) {
    if (Fault(StreamOp::Seek) < 0)
        return E_FAIL;
    LONGLONG base = 0;
    if (origin == STREAM_SEEK_CUR)
        base = static_cast<LONGLONG>(mPosition);
    else if (origin == STREAM_SEEK_END)
        base = static_cast<LONGLONG>(mBytes.size());
    else if (origin != STREAM_SEEK_SET)
        return STG_E_INVALIDFUNCTION;
    if (move.QuadPart < -base || move.QuadPart > static_cast<LONGLONG>(kMaxSize) - base)
        return STG_E_INVALIDFUNCTION;
    mPosition = static_cast<ULONGLONG>(base + move.QuadPart);
    if (position != nullptr)
        position->QuadPart = mPosition;
    return S_OK;
}

HRESULT MemoryStream::SetSize(ULARGE_INTEGER size) {
    if (Fault(StreamOp::SetSize) < 0)
        return E_FAIL;
    if (size.QuadPart > kMaxSize)
        return E_OUTOFMEMORY;
    mBytes.resize(size.QuadPart);
    return S_OK;
}

HRESULT MemoryStream::Stat(STATSTG* stat, DWORD) {
    if (stat == nullptr)
        return E_POINTER;
    if (Fault(StreamOp::Stat) < 0)
        return E_FAIL;
    *stat = STATSTG{};
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = mBytes.size();
    stat->grfMode = mMode;
    return S_OK;
}

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, IStream** stream) {
    if (stream == nullptr)
        return E_INVALIDARG;
    *stream = nullptr;
    if (memory == nullptr) {
        if (!deleteOnRelease)
            return E_INVALIDARG;
        *stream = MemoryStream::Create();
        return S_OK;
    }
    const auto* bytes = deleteOnRelease ? nullptr : static_cast<const BYTE*>(GlobalLock(memory));
    if (bytes == nullptr)
        return E_INVALIDARG;
    *stream = MemoryStream::Create(std::vector<BYTE>(bytes, bytes + GlobalSize(memory)));
    GlobalUnlock(memory);
    return S_OK;
}
