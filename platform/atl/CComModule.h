#pragma once
// The library's COM module: the count of objects and locks that keep the
// library in use. One instance per library; _pAtlModule points to it.

#include "platform/win32/sync.h"

namespace ATL {

class CComModule {
public:
    CComModule();
    ~CComModule();
    CComModule(const CComModule&) = delete;
    CComModule& operator=(const CComModule&) = delete;

    LONG Lock() { return InterlockedIncrement(&mLockCount); }
    LONG Unlock() { return InterlockedDecrement(&mLockCount); }
    LONG GetLockCount() const { return mLockCount; }

private:
    LONG mLockCount = 0;
};

// The library's module; null before it is made and after it is gone.
extern CComModule* _pAtlModule;

} // namespace ATL
