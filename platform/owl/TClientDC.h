#pragma once
// A device context over a window's client area, released with the object.

#include "platform/owl/TDC.h"
#include "platform/user/paint_api.h"

namespace OWL {

class TClientDC : public TDC {
public:
    explicit TClientDC(HWND hwnd) : hwnd_(hwnd) { SetHDC(GetDC(hwnd)); }
    ~TClientDC() override {
        RestoreObjects();
        if (GetHDC())
            ReleaseDC(hwnd_, GetHDC());
    }

private:
    HWND hwnd_;
};

// A device context over the whole screen.
class TScreenDC : public TClientDC {
public:
    TScreenDC() : TClientDC(nullptr) {}
};

} // namespace OWL
