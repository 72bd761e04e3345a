#pragma once
// Growable array of untyped pointers. Growth goes in steps of mGrowBy slots, or
// at least doubles the capacity when mDoubling is set; shrinking below a
// quarter of the capacity halves the storage. What an element owns is released
// by the derived class through ReleaseRange. Not synchronised.

#include "core/Array.h"

class CArrayVoidP : public Array<void*> {
public:
    // Storage of initialCapacity slots, count 0; growBy 0 means 8.
    explicit CArrayVoidP(std::uint32_t initialCapacity = 0, std::uint32_t growBy = 0);
    virtual ~CArrayVoidP();
    CArrayVoidP(const CArrayVoidP&) = delete;
    CArrayVoidP& operator=(const CArrayVoidP&) = delete;

    // New storage of newCapacity slots holding the first min(count, newCapacity)
    // pointers; elements that no longer fit are released first.
    virtual void Reallocate(std::uint32_t newCapacity);

    // Grows the count to n, new slots null; n not above the count does nothing.
    void SetSize(std::uint32_t n);
    // Sets the count to n, releasing the elements past n when it shrinks.
    void Resize(std::uint32_t n);
    // Address of slot i, growing the array when i is past the count.
    void** ElementAt(std::uint32_t i);

protected:
    // Releases what the elements [first, last) own; the plain pointer array owns nothing.
    virtual void ReleaseRange(std::uint32_t first, std::uint32_t last);

private:
    void ShrinkStorage(std::uint32_t n);
    std::uint64_t GrownCapacity(std::uint64_t wanted) const;
};
