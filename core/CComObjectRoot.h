#pragma once
// The root of the module's COM objects: an interlocked reference count and a
// critical section made on first use. When Release brings the count to zero the
// count becomes kReleasedRefCount before the object is deleted, so AddRef and
// Release calls made while it is destroyed never reach zero again.
//
// QueryInterfaceMap answers from a class's interface map: IUnknown gives the
// first entry; the interface returned carries one added reference.

#include <initializer_list>
#include <mutex>

#include "platform/win32/sync.h"
#include "platform/win32/unknown.h"

namespace Ovo {

inline constexpr LONG kReleasedRefCount = static_cast<LONG>(0xC0000001u);

class CComObjectRoot {
public:
    CComObjectRoot() = default;
    CComObjectRoot(const CComObjectRoot&) = delete;
    CComObjectRoot& operator=(const CComObjectRoot&) = delete;
    virtual ~CComObjectRoot();

    LONG RefCount() const { return mRefs; }

protected:
    ULONG InternalAddRef() { return static_cast<ULONG>(InterlockedIncrement(&mRefs)); }
    // Deletes the object when the count reaches zero.
    ULONG InternalRelease();
    // Raise and lower the count around work in a constructor that may hand the
    // object out and take it back; lowering never deletes.
    void HoldDuringConstruction() { InterlockedIncrement(&mRefs); }
    void EndConstructionHold() { InterlockedDecrement(&mRefs); }
    void Lock();
    void Unlock();

private:
    LONG mRefs = 0;
    std::once_flag mLockMade;
    bool mHasLock = false;
    CRITICAL_SECTION mLock;
};

struct InterfaceEntry {
    const IID& iid;
    IUnknown* itf;
};

HRESULT QueryInterfaceMap(std::initializer_list<InterfaceEntry> map, REFIID iid, void** out);

// A COM object of one interface I (interface id Iid) over CComObjectRoot.
template <class I, const IID& Iid> class SimpleUnknownImp1 : public I, public CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return QueryInterfaceMap({{Iid, static_cast<I*>(this)}}, iid, out);
    }
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
};

} // namespace Ovo
