#pragma once
// Persisted records as bytes in memory: the host's binary streams, through which
// a module saves and loads its objects (raw little-endian values). A stream that
// fails (reading past the end) stays failed and reads nothing more.

#include "host/engine/ComObject.h"
#include "platform/vantrel/IBinInStream.h"
#include "platform/vantrel/IBinOutStream.h"

#include <cstring>
#include <vector>

namespace Vantrel {

class ByteInStream : public ComObject<IBinInStream> {
public:
    explicit ByteInStream(std::vector<BYTE> bytes) : mBytes(std::move(bytes)) {}

    HRESULT GetStatus() override { return mFailed ? E_FAIL : S_OK; }
    HRESULT Tell(DWORD* position) override;
    HRESULT ReadU8(BYTE* value) override { return get(value); }
    HRESULT Read2(WORD* value) override { return get(value); }
    HRESULT Read4(LONG* value) override { return get(value); }
    HRESULT ReadU32(DWORD* value) override { return get(value); }
    HRESULT Read8(DWORD* low, DWORD* high) override;
    HRESULT ReadBytes(void* buffer, ULONG count) override;
    /// Strings are not kept in these streams.
    HRESULT ReadString(IAutoOvoString** text) override;
    HRESULT GetVersion(DWORD* version) override;
    HRESULT Read2(SHORT* value) override { return get(value); }
    HRESULT Read4(float* value) override { return get(value); }
    HRESULT Read8(double* value) override { return get(value); }
    HRESULT Read8(LONGLONG* value) override { return get(value); }

private:
    void* find(REFIID) override { return nullptr; }
    template <class T> HRESULT get(T* value) { return ReadBytes(value, sizeof(T)); }

    std::vector<BYTE> mBytes;
    std::size_t mPosition = 0;
    bool mFailed = false;
};

class ByteOutStream : public ComObject<IBinOutStream> {
public:
    const std::vector<BYTE>& bytes() const { return mBytes; }

    HRESULT GetStatus() override { return S_OK; }
    HRESULT Tell(DWORD* position) override;
    HRESULT Seek(LONG position) override;
    HRESULT WriteU8(BYTE value) override { return put(value); }
    HRESULT WriteU16(DWORD value) override { return put(static_cast<WORD>(value)); }
    HRESULT WriteU32(DWORD value) override { return put(value); }
    HRESULT WriteFloat(float value) override { return put(value); }
    HRESULT WriteDouble(double value) override { return put(value); }
    HRESULT WriteBytes(const void* data, ULONG count) override;
    /// Strings are not kept in these streams.
    HRESULT WriteString(IAutoOvoString*) override { return E_NOTIMPL; }
    HRESULT Write8(DWORD low, DWORD high) override;

private:
    void* find(REFIID) override { return nullptr; }
    template <class T> HRESULT put(const T& value) { return WriteBytes(&value, sizeof(T)); }

    std::vector<BYTE> mBytes;
    std::size_t mPosition = 0;
};

} // namespace Vantrel
