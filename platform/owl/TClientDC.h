#pragma once
// A device context over a window's client area, released with the object.

#include "platform/owl/TDC.h"
#include "platform/user/paint_api.h"

namespace OWL {

class TClientDC : public TDC {
public:
    explicit TClientDC(HWND hwnd) : mHwnd(hwnd) { SetHDC(GetDC(hwnd)); }
    ~TClientDC() override {
        RestoreObjects();
        if (GetHDC())
            ReleaseDC(mHwnd, GetHDC());
    }

private:
    HWND mHwnd;
};

// A device context over the whole screen.
class TScreenDC : public TClientDC {
public:
    TScreenDC() : TClientDC(nullptr) {}
};

} // namespace OWL
