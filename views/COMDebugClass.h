#pragma once
// The diagnostic part of a module object: its name for the framework's object
// registry. It has no identity of its own; its IUnknown is its owner's.
// RegisteredDebugPart lists such a part in the registry while it lives.

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

// A diagnostic part that the framework's object registry lists from its construction to its
// destruction; without a registry nothing is listed and nothing is called.
class RegisteredDebugPart {
public:
    explicit RegisteredDebugPart(IUnknown* owner);
    ~RegisteredDebugPart();
    RegisteredDebugPart(const RegisteredDebugPart&) = delete;
    RegisteredDebugPart& operator=(const RegisteredDebugPart&) = delete;

    COMDebugClass& Part() { return mPart; }
    bool Registered() const { return mRegistered; }

private:
    COMDebugClass mPart;
    bool mRegistered = false;
};

} // namespace Tarvik
