#pragma once
// Array of counted interface pointers: holds one reference per non-null element
// and releases it when the element leaves the array.

#include "core/CArrayVoidP.h"
#include "platform/win32/unknown.h"

class IUnknownArray : public CArrayVoidP {
public:
    using CArrayVoidP::CArrayVoidP;
    ~IUnknownArray() override;

    // Appends p with one more reference (null is stored as null).
    void Add(IUnknown* p);
    // Releases element i, closes the gap and decrements the count; i at or past the count does nothing.
    void RemoveAt(std::uint32_t i);
    IUnknown* GetAt(std::uint32_t i) const { return static_cast<IUnknown*>(mStorage[i]); }

protected:
    // Releases the non-null elements from last - 1 down to first and nulls them.
    void ReleaseRange(std::uint32_t first, std::uint32_t last) override;
};
