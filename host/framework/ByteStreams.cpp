#include "host/framework/ByteStreams.h"

namespace Vantrel {

HRESULT ByteInStream::Tell(DWORD* position) {
    if (!position)
        return E_POINTER;
    *position = static_cast<DWORD>(mPosition);
    return GetStatus();
}

HRESULT ByteInStream::Read8(DWORD* low, DWORD* high) {
    DWORD words[2] = {};
    if (FAILED(ReadBytes(words, sizeof words)))
        return E_FAIL;
    *low = words[0];
    *high = words[1];
    return S_OK;
}

HRESULT ByteInStream::ReadBytes(void* buffer, ULONG count) {
    if (mFailed || count > mBytes.size() - mPosition) {
        mFailed = true;
        return E_FAIL;
    }
    std::memcpy(buffer, mBytes.data() + mPosition, count);
    mPosition += count;
    return S_OK;
}

HRESULT ByteInStream::ReadString(IAutoOvoString** text) {
    if (text)
        *text = nullptr;
    return E_NOTIMPL;
}

HRESULT ByteInStream::GetVersion(DWORD* version) {
    if (version)
        *version = 0;
    return S_OK;
}

HRESULT ByteOutStream::Tell(DWORD* position) {
    if (!position)
        return E_POINTER;
    *position = static_cast<DWORD>(mPosition);
    return S_OK;
}

HRESULT ByteOutStream::Seek(LONG position) {
    if (position < 0 || static_cast<std::size_t>(position) > mBytes.size())
        return E_FAIL;
    mPosition = static_cast<std::size_t>(position);
    return S_OK;
}

HRESULT ByteOutStream::WriteBytes(const void* data, ULONG count) {
    if (mPosition + count > mBytes.size())
        mBytes.resize(mPosition + count);
    std::memcpy(mBytes.data() + mPosition, data, count);
    mPosition += count;
    return S_OK;
}

HRESULT ByteOutStream::Write8(DWORD low, DWORD high) {
    const DWORD words[2] = {low, high};
    return WriteBytes(words, sizeof words);
}

} // namespace Vantrel
