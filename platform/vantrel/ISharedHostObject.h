#pragma once
// A shared object of the host that tables and views reach through the class
// registry. Its operations come with its users.

#include "platform/win32/unknown.h"

inline constexpr IID IID_ISharedHostObject = MakeGuid("{9CDD1CAA-22E0-4468-9026-A92EE8B4844E}");

struct ISharedHostObject : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 7: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    // Told (with 0) before a view puts something on the clipboard.
    virtual HRESULT BeforeClipboard(DWORD reserved) { return S_OK; } // slot 8

protected:
    ~ISharedHostObject() = default;
};
