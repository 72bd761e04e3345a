#pragma once
// The device context of one paint cycle: BeginPaint with the object, EndPaint
// when it goes. Ps holds what BeginPaint said.

#include "platform/owl/TDC.h"
#include "platform/user/paint_api.h"

namespace OWL {

class TPaintDC : public TDC {
public:
    explicit TPaintDC(HWND hwnd) : hwnd_(hwnd), Ps{} { SetHDC(BeginPaint(hwnd, &Ps)); }
    ~TPaintDC() override {
        RestoreObjects();
        EndPaint(hwnd_, &Ps);
    }

private:
    HWND hwnd_;

public:
    PAINTSTRUCT Ps;
};

} // namespace OWL
