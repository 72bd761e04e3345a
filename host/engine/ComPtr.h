#pragma once

#include "platform/win32/unknown.h"

#include <utility>

namespace Vantrel {

/// An owning interface pointer: releases its reference when it lets go.
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
    ~ComPtr() { reset(); }

    /// Adopts p, whose reference the caller hands over.
    static ComPtr adopt(I* p) {
        ComPtr result;
        result.mPtr = p;
        return result;
    }

    I* get() const { return mPtr; }
    I* operator->() const { return mPtr; }
    explicit operator bool() const { return mPtr != nullptr; }

    void reset() {
        if (I* p = std::exchange(mPtr, nullptr))
            p->Release();
    }
    /// Releases the pointer and hands out its address for an out-parameter.
    I** put() {
        reset();
        return &mPtr;
    }
    /// Hands the reference to the caller.
    I* detach() { return std::exchange(mPtr, nullptr); }

    /// The object's interface J (empty when it has none).
    template <class J> ComPtr<J> query(REFIID iid) const {
        ComPtr<J> result;
        if (mPtr)
            mPtr->QueryInterface(iid, reinterpret_cast<void**>(result.put()));
        return result;
    }

private:
    I* mPtr = nullptr;
};

} // namespace Vantrel
