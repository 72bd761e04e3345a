#pragma once
// Device contexts the framework makes and deletes: a memory context
// compatible with another (or the screen), with the bitmap drawn into, and a
// context over a window's whole rectangle.

#include "platform/owl/TBitmap.h"
#include "platform/owl/TDC.h"
#include "platform/user/paint_api.h"

namespace OWL {

class TCreatedDC : public TDC {
public:
    ~TCreatedDC() override {
        RestoreObjects();
        if (GetHDC())
            DeleteDC(GetHDC());
    }

protected:
    TCreatedDC() = default;
};

class TMemoryDC : public TCreatedDC {
public:
    TMemoryDC() { SetHDC(CreateCompatibleDC(nullptr)); }
    explicit TMemoryDC(HDC compatible) { SetHDC(CreateCompatibleDC(compatible)); }
    ~TMemoryDC() override { RestoreBitmap(); }

    void SelectObject(const TBitmap& bitmap) {
        HGDIOBJ previous = ::SelectObject(GetHDC(), bitmap.GetHandle());
        if (mOrgBitmap == nullptr)
            mOrgBitmap = previous;
    }
    using TDC::SelectObject;
    void RestoreBitmap() {
        if (mOrgBitmap != nullptr)
            ::SelectObject(GetHDC(), mOrgBitmap);
        mOrgBitmap = nullptr;
    }

private:
    HGDIOBJ mOrgBitmap = nullptr;
};

class TWindowDC : public TDC {
public:
    explicit TWindowDC(HWND hwnd) : mHwnd(hwnd) { SetHDC(GetWindowDC(hwnd)); }
    ~TWindowDC() override {
        RestoreObjects();
        if (GetHDC())
            ReleaseDC(mHwnd, GetHDC());
    }

private:
    HWND mHwnd;
};

} // namespace OWL
