#pragma once
// IUnknown, the root of every object that crosses between the module and the host.
// Interfaces are abstract classes without a virtual destructor, so the method
// order of each interface is its slot order: IUnknown takes slots 0 to 2 and an
// interface's own methods start at slot 3.

#include "platform/win32/guid.h"
#include "platform/win32/hresult.h"

inline constexpr IID IID_IUnknown = MakeGuid("{00000000-0000-0000-C000-000000000046}");
inline constexpr IID IID_IClassFactory = MakeGuid("{00000001-0000-0000-C000-000000000046}");

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** out) = 0; // slot 0
    virtual ULONG AddRef() = 0;                                 // slot 1
    virtual ULONG Release() = 0;                                // slot 2

protected:
    ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) = 0; // slot 3
    virtual HRESULT LockServer(BOOL lock) = 0;                                   // slot 4

protected:
    ~IClassFactory() = default;
};
