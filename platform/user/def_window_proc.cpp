#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/icon_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"
#include "platform/win32/text.h"

using user::Desktop;
using user::Window;

namespace {

LRESULT GetText(const Window& w, WPARAM length, LPARAM buffer) {
    auto* out = reinterpret_cast<WCHAR*>(buffer);
    if (out == nullptr || length == 0)
        return 0;
    return static_cast<LRESULT>(win32::CopyTruncated(w.text, out, length));
}

LRESULT NcCalcSize(const Window& w, WPARAM calcValidRects, LPARAM lParam) {
    RECT* r = calcValidRects ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(lParam);
    if (r != nullptr)
        *r = user::DefaultClientRect(*r, w.style, w.exStyle);
    return 0;
}

LRESULT NcHitTest(HWND hwnd, const Window& w, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT window;
    GetWindowRect(hwnd, &window);
    if (!user::Contains(window, p))
        return HTNOWHERE;
    const RECT client = user::Offset(w.client, window.left - w.window.left, window.top - w.window.top);
    if (user::Contains(client, p))
        return HTCLIENT;
    if ((w.style & WS_CAPTION) == WS_CAPTION && p.y < client.top &&
        p.y >= client.top - GetSystemMetrics(SM_CYCAPTION))
        return HTCAPTION;
    return HTBORDER;
}

// WM_MOVE with the client's position in the parent, then WM_SIZE, for whatever changed.
LRESULT PositionChanged(HWND hwnd, const Window& w, const WINDOWPOS& wp) {
    const RECT client = w.client;
    const WPARAM kind = (w.style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                        : (w.style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                  : SIZE_RESTORED;
    if ((wp.flags & SWP_NOCLIENTMOVE) == 0)
        SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(client.left, client.top));
    if ((wp.flags & SWP_NOCLIENTSIZE) == 0 && IsWindow(hwnd))
        SendMessageW(hwnd, WM_SIZE, kind, MAKELPARAM(user::Width(client), user::Height(client)));
    return 0;
}

LRESULT Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    if (BeginPaint(hwnd, &ps) != nullptr)
        EndPaint(hwnd, &ps);
    return 0;
}

// A child passes the question to its parent first; in the client area the
// class cursor is shown.
LRESULT SetCursorFor(HWND hwnd, const Window& w, WPARAM wParam, LPARAM lParam) {
    if (w.IsChild() && SendMessageW(w.parent, WM_SETCURSOR, wParam, lParam) != 0)
        return TRUE;
    if (LOWORD(static_cast<DWORD>(lParam)) != HTCLIENT)
        return FALSE;
    const Window* now = Desktop::Current().Windows().Find(hwnd);
    if (now == nullptr || now->windowClass->cursor == nullptr)
        return FALSE;
    SetCursor(now->windowClass->cursor);
    return TRUE;
}

void Band(HDC dc, const RECT& r, int index) {
    FillRect(dc, &r, GetSysColorBrush(index));
}

// The frame between the window and client rectangles: a one-pixel border in
// the frame colour, a sunken client edge, and a caption bar.
LRESULT NcPaint(HWND hwnd, const Window& w) {
    if (user::Equal(w.window, w.client))
        return 0;
    HDC dc = GetWindowDC(hwnd);
    const RECT all{0, 0, user::Width(w.window), user::Height(w.window)};
    RECT inner = all;
    if (w.style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) {
        HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME);
        FrameRect(dc, &inner, frame);
        inner = RECT{inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1};
    }
    const RECT client = user::Offset(w.client, -w.window.left, -w.window.top);
    if ((w.style & WS_CAPTION) == WS_CAPTION)
        Band(dc, RECT{inner.left, inner.top, inner.right, client.top}, COLOR_ACTIVECAPTION);
    if (w.exStyle & WS_EX_CLIENTEDGE) {
        const RECT edge{client.left - 2, client.top - 2, client.right + 2, client.bottom + 2};
        Band(dc, RECT{edge.left, edge.top, edge.right, edge.top + 1}, COLOR_BTNSHADOW);
        Band(dc, RECT{edge.left, edge.top, edge.left + 1, edge.bottom}, COLOR_BTNSHADOW);
        Band(dc, RECT{edge.left, edge.bottom - 1, edge.right, edge.bottom}, COLOR_BTNHIGHLIGHT);
        Band(dc, RECT{edge.right - 1, edge.top, edge.right, edge.bottom}, COLOR_BTNHIGHLIGHT);
    }
    ReleaseDC(hwnd, dc);
    return 0;
}

// The menu asked for where the right button came up (screen coordinates).
LRESULT ContextMenuAt(HWND hwnd, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &p);
    SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(p.x, p.y));
    return 0;
}

LRESULT NcCreate(Window& w, LPARAM lParam) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    if (cs != nullptr && cs->lpszName != nullptr && !user::IsAtomName(cs->lpszName))
        w.text = cs->lpszName;
    return TRUE;
}

} // namespace

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& d = Desktop::Current();
    Window* w = d.Windows().Find(hwnd);
    if (w == nullptr)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return NcCreate(*w, lParam);
    case WM_NCCALCSIZE:
        return NcCalcSize(*w, wParam, lParam);
    case WM_NCHITTEST:
        return NcHitTest(hwnd, *w, lParam);
    case WM_SETTEXT:
        w->text = lParam != 0 ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
        return TRUE;
    case WM_GETTEXT:
        return GetText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_PAINT:
        return Paint(hwnd);
    case WM_ERASEBKGND:
        return d.Paint().EraseBackground(hwnd, reinterpret_cast<HDC>(wParam), w->windowClass->background) ? 1
                                                                                                          : 0;
    case WM_WINDOWPOSCHANGED:
        return lParam != 0 ? PositionChanged(hwnd, *w, *reinterpret_cast<const WINDOWPOS*>(lParam)) : 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR:
        return SetCursorFor(hwnd, *w, wParam, lParam);
    case WM_NCPAINT:
        return NcPaint(hwnd, *w);
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATE;
    case WM_RBUTTONUP:
        return ContextMenuAt(hwnd, lParam);
    case WM_CONTEXTMENU:
        // A child that shows no menu leaves it to its parent.
        return w->IsChild() ? SendMessageW(w->parent, WM_CONTEXTMENU, wParam, lParam) : 0;
    default:
        return 0;
    }
}
