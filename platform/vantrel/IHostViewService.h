#pragma once
// The host's view service, through which the module opens views.

#include "platform/win32/unknown.h"

inline constexpr IID IID_IHostViewService = MakeGuid("{9D2010C0-F064-11D1-B370-008048E6CE18}");
// The view class that OpenViewOfClass asks for.
inline constexpr GUID kHostViewClassGuid = MakeGuid("{43059510-E8DD-11D3-80EB-005004AD3C53}");

struct IHostViewService : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 9: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT OpenView(DWORD viewKind, DWORD reserved, IUnknown** view) = 0; // slot 10
    virtual HRESULT Reserved11() { return E_NOTIMPL; }                             // slot 11
    // The document's view of a class code (value1) and view kind (value2), with one reference; S_FALSE
    // and null when it has none.
    virtual HRESULT OpenViewOfClass(ULONG_PTR value1, ULONG_PTR value2, DWORD word, const GUID* viewClass,
                                    IUnknown** view) = 0; // slot 12
    // The root of the tree of the document's views, with one reference (see HostViews.h).
    virtual HRESULT GetViewTree(IUnknown* document, IUnknown** root) { return E_NOTIMPL; } // slot 13
    virtual HRESULT MakeViewObject(ULONG_PTR value1, ULONG_PTR value2, ULONG_PTR value3, DWORD reserved,
                                   IUnknown** object) = 0; // slot 14

protected:
    ~IHostViewService() = default;
};
