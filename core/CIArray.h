#pragma once
// Array that owns plain objects: an element leaving the array is destroyed by
// the Deleter policy.

#include <memory>

#include "core/CArrayVoidP.h"

template <class T> struct CIArray_CallDelete {
    static void Delete(T* p) { delete p; }
};

template <class T, class Deleter = CIArray_CallDelete<T>> class CIArray : public CArrayVoidP {
public:
    using CArrayVoidP::CArrayVoidP;
    ~CIArray() override { ReleaseRange(0, mCount); }

    // Takes ownership of p; when growing fails p is destroyed, not leaked.
    void Add(std::unique_ptr<T> p) {
        void** slot = ElementAt(mCount);
        *slot = p.release();
    }
    T* GetAt(std::uint32_t i) const { return static_cast<T*>(mStorage[i]); }

protected:
    void ReleaseRange(std::uint32_t first, std::uint32_t last) override {
        for (std::uint32_t i = last; i > first; --i) {
            T* p = GetAt(i - 1);
            mStorage[i - 1] = nullptr;
            Deleter::Delete(p);
        }
    }
};
