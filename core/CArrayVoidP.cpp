#include "core/CArrayVoidP.h"

#include <algorithm>
#include <new>

namespace {

// 32-bit Windows counts bytes in 32 bits: a capacity whose byte size does not fit
// is an impossible request, reported as an allocation failure.
void** AllocateSlots(std::uint64_t capacity) {
    if (capacity > UINT32_MAX / sizeof(void*))
        throw std::bad_alloc();
    return capacity ? new void*[capacity] : nullptr;
}

} // namespace

CArrayVoidP::CArrayVoidP(std::uint32_t initialCapacity, std::uint32_t growBy) {
    mStorage = AllocateSlots(initialCapacity);
    mCapacity = initialCapacity;
    mGrowBy = growBy ? growBy : 8;
}

CArrayVoidP::~CArrayVoidP() {
    if (mOwnsStorage)
        delete[] mStorage;
}

void CArrayVoidP::Reallocate(std::uint32_t newCapacity) {
    void** storage = AllocateSlots(newCapacity);
    if (mCount > newCapacity) {
        ReleaseRange(newCapacity, mCount);
        mCount = newCapacity;
    }
    std::copy_n(mStorage, mCount, storage);
    if (mOwnsStorage)
        delete[] mStorage;
    mStorage = storage;
    mCapacity = newCapacity;
    mOwnsStorage = 1;
}

std::uint64_t CArrayVoidP::GrownCapacity(std::uint64_t wanted) const {
    if (mDoubling)
        wanted = std::max<std::uint64_t>(wanted, 2ull * mCapacity);
    if (wanted > UINT32_MAX)
        throw std::bad_alloc();
    return wanted;
}

void CArrayVoidP::SetSize(std::uint32_t n) {
    if (n <= mCount)
        return;
    if (n > mCapacity)
        Reallocate(static_cast<std::uint32_t>(GrownCapacity((n / mGrowBy + 1ull) * mGrowBy)));
    std::fill(mStorage + mCount, mStorage + n, nullptr);
    mCount = n;
}

void CArrayVoidP::Resize(std::uint32_t n) {
    if (n > mCount)
        SetSize(n);
    else if (n < mCount)
        ShrinkStorage(n);
}

void CArrayVoidP::ShrinkStorage(std::uint32_t n) {
    if (n < mCapacity / 4 && mCapacity / 2 >= mGrowBy) {
        void** storage = AllocateSlots(mCapacity / 2);
        std::copy_n(mStorage, n, storage);
        ReleaseRange(n, mCount);
        if (mOwnsStorage)
            delete[] mStorage;
        mStorage = storage;
        mCapacity /= 2;
        mOwnsStorage = 1;
    } else {
        ReleaseRange(n, mCount);
    }
    mCount = n;
}

void** CArrayVoidP::ElementAt(std::uint32_t i) {
    if (i >= mCount) {
        if (i >= mCapacity)
            Reallocate(static_cast<std::uint32_t>(GrownCapacity(std::uint64_t{mGrowBy} + i)));
        SetSize(i + 1);
    }
    return &mStorage[i];
}

void CArrayVoidP::ReleaseRange(std::uint32_t, std::uint32_t) {}
