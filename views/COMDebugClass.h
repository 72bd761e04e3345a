#pragma once
// The diagnostic part of a module object: its name for the framework's object
// registry. It has no identity of its own; its IUnknown is its owner's.

#include "platform/vantrel/DocView.h"

namespace Tarvik {

class COMDebugClass : public IObjInfo {
public:
    explicit COMDebugClass(IUnknown* owner) : mOwner(owner) {}

    HRESULT QueryInterface(REFIID iid, void** out) override { return mOwner->QueryInterface(iid, out); }
    ULONG AddRef() override { return mOwner->AddRef(); }
    ULONG Release() override { return mOwner->Release(); }

    // The raw name.
    HRESULT GetName(BSTR* name) override { return GetRawName(name); }
    HRESULT GetRawName(BSTR* name) override {
        if (name == nullptr)
            return E_POINTER;
        *name = SysAllocString(u"Unamed object");
        return S_OK;
    }

private:
    IUnknown* mOwner;
};

} // namespace Tarvik
