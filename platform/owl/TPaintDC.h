#pragma once
// The device context of one paint cycle: BeginPaint with the object, EndPaint
// when it goes. Ps holds what BeginPaint said.

#include "platform/owl/TDC.h"
#include "platform/user/paint_api.h"

namespace OWL {

class TPaintDC : public TDC {
public:
    explicit TPaintDC(HWND hwnd) : mHwnd(hwnd), Ps{} { SetHDC(BeginPaint(hwnd, &Ps)); }
    ~TPaintDC() override {
        RestoreObjects();
        EndPaint(mHwnd, &Ps);
    }

private:
    HWND mHwnd;

public:
    PAINTSTRUCT Ps;
};

} // namespace OWL
