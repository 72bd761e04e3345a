#pragma once
// The host's progress indicator: a window with a caption, a text, a bar and a
// Cancel button, made by the class registry's progress class (class id: the
// host's number of {C203FC30-7AAA-11D3-80B9-005004AD3C53} << 16 | 16). It
// closes when its last reference goes.

#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IProgressFactory = MakeGuid("{D9CF6C34-C00C-4792-A17D-9D8311972BF2}");
inline constexpr IID IID_IProgressIndicator =
    MakeGuid("{D9CF6C35-C00C-4792-A17D-9D8311972BF2}"); // our own id
// The space of the progress class, and its class number in that space.
inline constexpr GUID kProgressClassGuid = MakeGuid("{C203FC30-7AAA-11D3-80B9-005004AD3C53}");
inline constexpr WORD kProgressClassNumber = 16;

struct IProgressIndicator : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slot 3
    // Shows percent (0 to 100). S_OK to go on; S_FALSE once the user has cancelled.
    virtual HRESULT SetPercent(LONG percent) = 0; // slot 4
    virtual HRESULT SetText(BSTR text) = 0;       // slot 5

protected:
    ~IProgressIndicator() = default;
};

struct IProgressFactory : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slots 3 to 7: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    // Opens an indicator; *indicator receives it with one reference. kind and flags: 1.
    virtual HRESULT CreateIndicator(DWORD kind, BSTR caption, BSTR text, BSTR detail, DWORD flags,
                                    IProgressIndicator** indicator) = 0; // slot 8

protected:
    ~IProgressFactory() = default;
};
