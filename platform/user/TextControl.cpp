#include "platform/user/TextControl.h"

#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/paint_api.h"

namespace user {

bool HandleTextControlMessage(HWND hwnd, HFONT& font, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_SETFONT:
        font = reinterpret_cast<HFONT>(wParam);
        if (lParam)
            InvalidateRect(hwnd, nullptr, TRUE);
        result = 0;
        return true;
    case WM_GETFONT:
        result = reinterpret_cast<LRESULT>(font);
        return true;
    case WM_SETTEXT:
        result = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return true;
    default:
        return false;
    }
}

} // namespace user
