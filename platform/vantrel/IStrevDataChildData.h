#pragma once
// A module's data kept by a host document beside the recording ("child data"):
// the host asks its type and copies it with the document.

#include "platform/win32/unknown.h"

inline constexpr IID IID_IStrevDataChildData = MakeGuid("{D14754F8-65A9-4EF3-9D7B-1C7070A4FBE8}");

struct IStrevDataChildData : IUnknown {
    // The message id that names the kind of data.
    virtual HRESULT GetTypeId(DWORD* id) = 0; // slot 3
    // A copy for the host object host (may be null), with one reference.
    virtual HRESULT Clone(IUnknown* host, IStrevDataChildData** copy) = 0;                           // slot 4
    virtual HRESULT Reserved5(DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD) { return E_NOTIMPL; } // slot 5
    virtual HRESULT Reserved6(DWORD, DWORD, DWORD, DWORD) { return E_NOTIMPL; }                      // slot 6
    virtual HRESULT Reserved7(DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD) {
        return E_NOTIMPL;
    } // slot 7

protected:
    ~IStrevDataChildData() = default;
};
