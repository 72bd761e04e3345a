#pragma once
// An owning interface pointer: the reference it holds is released when it lets
// go, also when an exception or an early return leaves the scope.

#include "platform/win32/unknown.h"

#include <utility>

namespace Ovo {

template <class I> class InterfacePtr;

/// object's interface I (iid), empty when object is null or has none.
template <class I> InterfacePtr<I> QueryInterfacePtr(IUnknown* object, REFIID iid) {
    InterfacePtr<I> result;
    if (object)
        object->QueryInterface(iid, result.PutVoid());
    return result;
}

template <class I> class InterfacePtr {
public:
    InterfacePtr() = default;
    /// Takes a new reference to p.
    explicit InterfacePtr(I* p) : mPtr(p) {
        if (mPtr)
            mPtr->AddRef();
    }
    InterfacePtr(const InterfacePtr& other) : InterfacePtr(other.mPtr) {}
    InterfacePtr(InterfacePtr&& other) noexcept : mPtr(std::exchange(other.mPtr, nullptr)) {}
    InterfacePtr& operator=(InterfacePtr other) noexcept {
        std::swap(mPtr, other.mPtr);
        return *this;
    }
    ~InterfacePtr() { Reset(); }

    /// Adopts a reference the caller hands over.
    static InterfacePtr Adopt(I* p) {
        InterfacePtr result;
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
    template <class J> InterfacePtr<J> Query(REFIID iid) const { return Ovo::QueryInterfacePtr<J>(mPtr, iid); }

private:
    I* mPtr = nullptr;
};

} // namespace Ovo
