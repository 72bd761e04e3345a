#pragma once
// The interface through which persisted records are written, raw and
// little-endian. Results are S_OK while the stream is good and E_FAIL once it
// has failed; a failed stream writes nothing.

#include "platform/vantrel/IAutoOvoString.h"

struct IBinOutStream : IUnknown {
    virtual HRESULT GetStatus() = 0;           // slot 3
    virtual HRESULT Tell(DWORD* position) = 0; // slot 4
    // Moves the output to an absolute byte position from the start.
    virtual HRESULT Seek(LONG position) = 0;          // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; } // slot 6
    virtual HRESULT WriteU8(BYTE value) = 0;          // slot 7
    // Writes value modulo 0x10000.
    virtual HRESULT WriteU16(DWORD value) = 0;                     // slot 8
    virtual HRESULT WriteU32(DWORD value) = 0;                     // slot 9
    virtual HRESULT WriteFloat(float value) = 0;                   // slot 10
    virtual HRESULT WriteDouble(double value) = 0;                 // slot 11
    virtual HRESULT WriteBytes(const void* data, ULONG count) = 0; // slot 12
    virtual HRESULT Reserved13() { return E_NOTIMPL; }             // slot 13
    virtual HRESULT Reserved14() { return E_NOTIMPL; }             // slot 14
    virtual HRESULT Reserved15() { return E_NOTIMPL; }             // slot 15
    virtual HRESULT Reserved16() { return E_NOTIMPL; }             // slot 16
    virtual HRESULT Reserved17() { return E_NOTIMPL; }             // slot 17
    virtual HRESULT Reserved18() { return E_NOTIMPL; }             // slot 18
    virtual HRESULT WriteString(IAutoOvoString* text) = 0;         // slot 19
    virtual HRESULT Write8(DWORD low, DWORD high) = 0;             // slot 20

protected:
    ~IBinOutStream() = default;
};
