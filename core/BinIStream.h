#pragma once
// Ovo::BinIStream: reads persisted records from a byte stream buffer.
//
// A stream may start with a header word w, (w & 0xFF00FFFF) == 0x5500AAAA, that
// gives the format version (w >> 16) & 0xFF; without one the version is 1 and
// the data start at once. String records: from version 10 a marker (negative:
// UTF-16 text follows, else 8-bit ANSI text), a count n (terminator included)
// and its two's complement; below version 10 a count n <= 64000 and 8-bit text.
// A malformed record throws XOvo OVO_E_STRING_RECORD and leaves the target empty.

#include <cstdint>

#include "core/BinStream.h"
#include "core/String.h"
#include "platform/vantrel/IBinInStream.h"
#include "platform/win32/com_ptr.h"

namespace Ovo {

class BinIStream : public IBinInStream, public BinStream {
public:
    BinIStream(std::streambuf* buffer, bool ownsBuffer) : BinStream(buffer, ownsBuffer) {}
    virtual ~BinIStream();

    // Reads the header and sets the version (see above); 0 when already failed.
    void ReadHeader();
    // Reads a string record into text; a failed stream gives the empty string.
    void ReadString(String& text);
    // The next u32, or 0 when the stream has failed.
    DWORD ReadU32();
    DWORD Version() const { return mVersion; }
    // An object released when the stream is destroyed.
    void Attach(IUnknown* object);
    // Bytes left after the current position; -1 when the buffer cannot tell. A reader checks a
    // count taken from the data against it before it allocates for the count.
    std::int64_t Remaining();

    HRESULT QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetStatus() override { return Result(); }
    HRESULT Tell(DWORD* position) override;
    HRESULT ReadU8(BYTE* value) override;
    HRESULT Read2(WORD* value) override { return ReadRaw(value, 2); }
    HRESULT Read4(LONG* value) override { return ReadRaw(value, 4); }
    HRESULT ReadU32(DWORD* value) override { return ReadRaw(value, 4); }
    HRESULT Read8(DWORD* low, DWORD* high) override;
    HRESULT ReadBytes(void* buffer, ULONG count) override { return ReadRaw(buffer, count); }
    HRESULT ReadString(IAutoOvoString** text) override;
    HRESULT GetVersion(DWORD* version) override;
    HRESULT Read2(SHORT* value) override { return ReadRaw(value, 2); }
    HRESULT Read4(float* value) override { return ReadRaw(value, 4); }
    HRESULT Read8(double* value) override { return ReadRaw(value, 8); }
    HRESULT Read8(LONGLONG* value) override { return ReadRaw(value, 8); }

private:
    // Reads count bytes into target through a scratch copy, so a short read
    // leaves the target unchanged.
    HRESULT ReadRaw(void* target, ULONG count);
    DWORD ReadWord();
    void ReadWideText(String& text, DWORD n);
    void ReadAnsiText(String& text, DWORD n);

    DWORD mVersion = 0;
    ComPtr<IUnknown> mAttached;
};

} // namespace Ovo
