#pragma once

#include "platform/win32/unknown.h"

#include <atomic>

namespace Vantrel {

/// The reference count and QueryInterface of a host object implementing Interfaces (each derived
/// from IUnknown). Construct with new; the object starts with one reference, which the creator
/// owns (ComPtr::adopt). QueryInterface answers IUnknown with the first interface and every other
/// id with what find() returns.
template <class... Interfaces> class ComObject : public Interfaces... {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown)
            *out = firstInterface();
        else
            *out = find(iid);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++mReferences; }
    ULONG Release() override {
        ULONG left = --mReferences;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

    /// The interface that answers iid (besides IUnknown), or null.
    virtual void* find(REFIID iid) = 0;

    IUnknown* firstInterface() { return static_cast<First*>(this); }

private:
    template <class F, class...> struct FirstOf { using Type = F; };
    using First = typename FirstOf<Interfaces...>::Type;

    std::atomic<ULONG> mReferences{1};
};

} // namespace Vantrel
