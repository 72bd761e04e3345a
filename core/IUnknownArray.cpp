#include "core/IUnknownArray.h"

#include <algorithm>

IUnknownArray::~IUnknownArray() {
    ReleaseRange(0, mCount);
}

void IUnknownArray::Add(IUnknown* p) {
    void** slot = ElementAt(mCount);
    if (p)
        p->AddRef();
    *slot = p;
}

void IUnknownArray::RemoveAt(std::uint32_t i) {
    if (i >= mCount)
        return;
    if (IUnknown* p = GetAt(i))
        p->Release();
    std::copy(mStorage + i + 1, mStorage + mCount, mStorage + i);
    --mCount;
}

void IUnknownArray::ReleaseRange(std::uint32_t first, std::uint32_t last) {
    for (std::uint32_t i = last; i > first; --i) {
        if (IUnknown* p = GetAt(i - 1)) {
            mStorage[i - 1] = nullptr;
            p->Release();
        }
    }
}
