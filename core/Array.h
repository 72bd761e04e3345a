#pragma once
// The fields of the module's growable pointer array. CArrayVoidP gives them
// their growth and release rules; the layout is the 32-bit Windows one
// (32-bit counts, two flag bytes).

#include <cstdint>

template <class T> struct Array {
    std::uint32_t mCapacity = 0; // slots allocated
    T* mStorage = nullptr;       // mCapacity slots
    std::uint32_t mCount = 0;    // slots in use
    std::uint32_t mGrowBy = 8;   // growth unit
    std::uint8_t mOwnsStorage = 1;
    std::uint8_t mDoubling = 1; // growth at least doubles the capacity

    std::uint32_t GetCount() const { return mCount; }
    std::uint32_t GetCapacity() const { return mCapacity; }
    T& operator[](std::uint32_t i) { return mStorage[i]; }
    const T& operator[](std::uint32_t i) const { return mStorage[i]; }
};
