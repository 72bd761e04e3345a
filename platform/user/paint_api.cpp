#include "platform/user/paint_api.h"

#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::Window;

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr || region != nullptr)
        return FALSE;
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_NOERASE))
        user::Mark(d, *w, rect, flags);
    if (flags & RDW_UPDATENOW)
        user::PaintNow(d, hwnd, flags);
    return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0u));
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND hwnd) {
    return RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return FALSE;
    if (rect != nullptr)
        *rect = w->update.Box();
    if (erase && w->erasePending) {
        w->erasePending = false;
        HDC dc = d.Paint().Acquire(hwnd, w->update.Box());
        SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        d.Paint().Release(hwnd, dc);
    }
    return w->update.IsEmpty() ? FALSE : TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr || paint == nullptr)
        return nullptr;
    if (w->frameDirty) {
        w->frameDirty = false;
        SendMessageW(hwnd, WM_NCPAINT, 1, 0);
        w = d.Windows().Find(hwnd);
        if (w == nullptr)
            return nullptr;
    }
    const RECT box = w->update.Box();
    const bool erase = w->erasePending;
    w->update.Clear();
    w->erasePending = false;
    *paint = PAINTSTRUCT{};
    paint->rcPaint = box;
    paint->hdc = d.Paint().Acquire(hwnd, box);
    if (erase)
        paint->fErase =
            SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) == 0 ? TRUE : FALSE;
    return paint->hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    if (paint == nullptr)
        return FALSE;
    Desktop::Current().Paint().Release(hwnd, paint->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    Desktop& d = Desktop::Current();
    if (hwnd == nullptr)
        return d.Paint().Acquire(nullptr,
                                 RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    Window* w = d.Windows().Find(hwnd);
    return w == nullptr ? nullptr : d.Paint().Acquire(hwnd, user::ClientArea(*w));
}

HDC GetWindowDC(HWND hwnd) {
    Desktop& d = Desktop::Current();
    if (hwnd == nullptr)
        return GetDC(nullptr);
    return d.Windows().Find(hwnd) == nullptr ? nullptr : d.Paint().AcquireWindow(hwnd);
}

int ReleaseDC(HWND hwnd, HDC dc) {
    if (dc == nullptr)
        return 0;
    Desktop::Current().Paint().Release(hwnd, dc);
    return 1;
}
