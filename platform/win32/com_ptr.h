#pragma once
// An owning interface pointer: the reference it holds is released when it lets
// go, also when an exception or an early return leaves the scope. The host and
// the module both hold interfaces through it.

#include <cstddef>
#include <utility>

#include "platform/win32/unknown.h"

template <class I> class ComPtr;

/// object's interface I (iid), empty when object is null or has none.
template <class I> ComPtr<I> QueryInterfacePtr(IUnknown* object, REFIID iid) {
    ComPtr<I> result;
    if (object)
        object->QueryInterface(iid, result.PutVoid());
    return result;
}

template <class I> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    /// Takes a new reference to p.
    explicit ComPtr(I* p) : mPtr(p) {
        if (mPtr)
            mPtr->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.mPtr) {}
    ComPtr(ComPtr&& other) noexcept : mPtr(std::exchange(other.mPtr, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(mPtr, other.mPtr);
        return *this;
    }
    ~ComPtr() { Reset(); }

    /// Adopts a reference the caller hands over.
    static ComPtr Adopt(I* p) {
        ComPtr result;
        result.mPtr = p;
        return result;
    }

    I* Get() const { return mPtr; }
    I* operator->() const { return mPtr; }
    explicit operator bool() const { return mPtr != nullptr; }

    void Reset() {
        if (I* p = std::exchange(mPtr, nullptr))
            p->Release();
    }
    /// Releases what it holds and hands out its address for an out-parameter.
    I** Put() {
        Reset();
        return &mPtr;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    /// Hands the reference to the caller.
    I* Detach() { return std::exchange(mPtr, nullptr); }

    /// The object's interface J, empty when it has none.
    template <class J> ComPtr<J> Query(REFIID iid) const { return QueryInterfacePtr<J>(mPtr, iid); }

private:
    I* mPtr = nullptr;
};
