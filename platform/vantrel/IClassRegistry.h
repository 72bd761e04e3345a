#pragma once
// The host's application framework and its class registry. The framework is one
// COM class; CoGetClassObject on it with a service's interface id gives that
// service. Further services come from the class registry by a 32-bit kind word.

#include "platform/vantrel/ICAFClassObject.h"

inline constexpr CLSID CLSID_ZARFrameWork = MakeGuid("{818DA440-8037-11D3-80BC-005004AD3C53}");
// The library that holds the framework, beside the host's executable.
inline constexpr const WCHAR* kZarFrameworkLibrary = u"Zar.dll";

// Kind words of the class registry's services.
inline constexpr DWORD kHostMessageServiceKind = 0x80000007;
inline constexpr DWORD kHostViewServiceKind = 0x8000000A;
inline constexpr DWORD kViewClassServiceKind = 0x8000000F;
inline constexpr DWORD kHostDocumentServiceKind = 0x80000011;
inline constexpr DWORD kDocClassServiceKind = 0x80000012;
inline constexpr DWORD kHostCommandUIServiceKind = 0x80000013;
inline constexpr DWORD kCommandFactoryKind = 0x80000014;
inline constexpr DWORD kSharedHostObjectKind = 0x8000001A;

inline constexpr IID IID_IClassRegistry = MakeGuid("{3CAD4551-2F23-11D1-8CE9-00C0D1570D74}");

struct IClassRegistry : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slot 3: not used by the module
    virtual HRESULT Reserved4() { return E_NOTIMPL; } // slot 4: not used by the module
    // The service or object of a kind word, asked for iid, with one reference.
    virtual HRESULT GetService(DWORD kind, REFIID iid, void** out) = 0; // slot 5
    // The registry takes its own reference.
    virtual HRESULT RegisterClassObject(ICAFClassObject* classObject) = 0; // slot 6

protected:
    ~IClassRegistry() = default;
};
