#include "platform/user/Desktop.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;

HWND SetFocus(HWND hwnd) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    const HWND old = d.focus;
    if (hwnd != nullptr) {
        user::Window* w = d.Windows().Find(hwnd);
        if (w == nullptr || (w->style & WS_DISABLED) != 0)
            return nullptr;
    }
    if (hwnd == old)
        return old;
    d.focus = hwnd;
    if (old != nullptr)
        SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    // A WM_KILLFOCUS handler may have moved the focus on already.
    if (hwnd != nullptr && d.focus == hwnd)
        SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() {
    return Desktop::Current().focus;
}

HWND GetActiveWindow() {
    HWND top = GetFocus();
    while (top != nullptr && (GetWindowLongW(top, GWL_STYLE) & WS_CHILD) != 0)
        top = GetParent(top);
    return top;
}

HWND SetCapture(HWND hwnd) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    if (d.Windows().Find(hwnd) == nullptr)
        return nullptr;
    const HWND old = d.capture;
    d.capture = hwnd;
    if (old != nullptr && old != hwnd)
        SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    Desktop& d = Desktop::Current();
    const HWND old = d.capture;
    d.capture = nullptr;
    if (old != nullptr) {
        SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
        user::CheckTrackedLeave();
    }
    return TRUE;
}

HWND GetCapture() {
    return Desktop::Current().capture;
}
