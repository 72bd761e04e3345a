#pragma once
// The interface through which persisted records are read. Results are S_OK
// while the stream is good and E_FAIL once it has failed; a failed stream reads
// nothing and leaves every target unchanged.

#include "platform/vantrel/IAutoOvoString.h"

struct IBinInStream : IUnknown {
    virtual HRESULT GetStatus() = 0;                          // slot 3
    virtual HRESULT Tell(DWORD* position) = 0;                // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; }         // slot 5
    virtual HRESULT ReadU8(BYTE* value) = 0;                  // slot 6
    virtual HRESULT Read2(WORD* value) = 0;                   // slot 7
    virtual HRESULT Read4(LONG* value) = 0;                   // slot 8
    virtual HRESULT ReadU32(DWORD* value) = 0;                // slot 9
    virtual HRESULT Read8(DWORD* low, DWORD* high) = 0;       // slot 10
    virtual HRESULT ReadBytes(void* buffer, ULONG count) = 0; // slot 11
    virtual HRESULT Reserved12() { return E_NOTIMPL; }        // slot 12
    virtual HRESULT Reserved13() { return E_NOTIMPL; }        // slot 13
    virtual HRESULT Reserved14() { return E_NOTIMPL; }        // slot 14
    virtual HRESULT Reserved15() { return E_NOTIMPL; }        // slot 15
    virtual HRESULT Reserved16() { return E_NOTIMPL; }        // slot 16
    virtual HRESULT Reserved17() { return E_NOTIMPL; }        // slot 17
    // A new string holding the next string record, handed out with one reference.
    virtual HRESULT ReadString(IAutoOvoString** text) = 0; // slot 18
    // The format version from the stream's header; always S_OK.
    virtual HRESULT GetVersion(DWORD* version) = 0; // slot 19
    virtual HRESULT Read2(SHORT* value) = 0;        // slot 20
    virtual HRESULT Read4(float* value) = 0;        // slot 21
    virtual HRESULT Read8(double* value) = 0;       // slot 22
    virtual HRESULT Read8(LONGLONG* value) = 0;     // slot 23

protected:
    ~IBinInStream() = default;
};
