#pragma once
// Typed view of an IUnknownArray for one interface I (derived from IUnknown).

#include "core/IUnknownArray.h"

template <class I> class InterfaceArrayBase : public IUnknownArray {
public:
    using IUnknownArray::IUnknownArray;

    void Add(I* p) { IUnknownArray::Add(p); }
    I* GetAt(std::uint32_t i) const { return static_cast<I*>(IUnknownArray::GetAt(i)); }
    I* operator[](std::uint32_t i) const { return GetAt(i); }
};
