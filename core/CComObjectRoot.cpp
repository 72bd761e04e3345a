#include "core/CComObjectRoot.h"

namespace Ovo {

CComObjectRoot::~CComObjectRoot() {
    if (mHasLock)
        DeleteCriticalSection(&mLock);
}

ULONG CComObjectRoot::InternalRelease() {
    LONG n = InterlockedDecrement(&mRefs);
    if (n == 0) {
        mRefs = kReleasedRefCount;
        delete this;
    }
    return static_cast<ULONG>(n);
}

void CComObjectRoot::Lock() {
    std::call_once(mLockMade, [this] {
        InitializeCriticalSection(&mLock);
        mHasLock = true;
    });
    EnterCriticalSection(&mLock);
}

void CComObjectRoot::Unlock() {
    LeaveCriticalSection(&mLock);
}

HRESULT QueryInterfaceMap(std::initializer_list<InterfaceEntry> map, REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (map.size() == 0)
        return E_NOINTERFACE;
    IUnknown* found = nullptr;
    if (iid == IID_IUnknown) {
        found = map.begin()->itf;
    } else {
        for (const InterfaceEntry& entry : map) {
            if (entry.iid == iid) {
                found = entry.itf;
                break;
            }
        }
    }
    if (found == nullptr)
        return E_NOINTERFACE;
    found->AddRef();
    *out = found;
    return S_OK;
}

} // namespace Ovo
