#pragma once
// Ovo::BinOStream: writes persisted records, raw and little-endian, into a byte
// stream buffer. String records are always written in the UTF-16 form:
// 0x80000001, n = length + 1, 0 - n, then the n units with the terminator.

#include "core/BinStream.h"
#include "core/String.h"
#include "platform/vantrel/IBinOutStream.h"
#include "platform/win32/com_ptr.h"

namespace Ovo {

class BinOStream : public IBinOutStream, public BinStream {
public:
    BinOStream(std::streambuf* buffer, bool ownsBuffer) : BinStream(buffer, ownsBuffer) {}
    virtual ~BinOStream();

    void WriteStringRecord(const String& text);
    // An object released when the stream is destroyed or rewound.
    void Attach(IUnknown* object);
    // Syncs the buffer; a failure sets kSetupFailed.
    virtual void Flush();
    // When good, moves the output back to position 0 (a failed seek sets
    // kShort); then releases the attached object.
    virtual void Rewind();

    HRESULT QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetStatus() override { return Result(); }
    HRESULT Tell(DWORD* position) override;
    HRESULT Seek(LONG position) override;
    HRESULT WriteU8(BYTE value) override { return WriteRaw(&value, 1); }
    HRESULT WriteU16(DWORD value) override;
    HRESULT WriteU32(DWORD value) override { return WriteRaw(&value, 4); }
    HRESULT WriteFloat(float value) override { return WriteRaw(&value, 4); }
    HRESULT WriteDouble(double value) override { return WriteRaw(&value, 8); }
    HRESULT WriteBytes(const void* data, ULONG count) override { return WriteRaw(data, count); }
    HRESULT WriteString(IAutoOvoString* text) override;
    HRESULT Write8(DWORD low, DWORD high) override;

protected:
    HRESULT WriteRaw(const void* data, ULONG count);
    void ReleaseAttached();

private:
    ComPtr<IUnknown> mAttached;
};

} // namespace Ovo
