#include <memory>
#include <utility>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/Desktop.h"
#include "platform/user/TextControl.h"
#include "platform/user/icon_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/paint_api.h"
#include "platform/user/static.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

namespace user {
namespace {

struct StaticState {
    HFONT font = nullptr;
    HANDLE image = nullptr; // HICON or HBITMAP
};

StaticState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<StaticState>();
    return *static_cast<StaticState*>(w.control.get());
}

HBRUSH Background(HWND hwnd, HDC dc) {
    const HWND parent = GetParent(hwnd);
    const auto brush = reinterpret_cast<HBRUSH>(parent ? SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                                      reinterpret_cast<WPARAM>(dc),
                                                                      reinterpret_cast<LPARAM>(hwnd))
                                                       : 0);
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void Paint(HWND hwnd, Window& w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    StaticState& s = StateOf(w);
    RECT r{0, 0, w.ClientWidth(), w.ClientHeight()};
    const DWORD type = w.style & SS_TYPEMASK;
    FillRect(dc, &r, type == SS_BLACKRECT ? GetSysColorBrush(COLOR_WINDOWFRAME) : Background(hwnd, dc));
    if (type == SS_ICON && s.image != nullptr) {
        DrawIconEx(dc, 0, 0, static_cast<HICON>(s.image), 0, 0, 0, nullptr, DI_NORMAL);
    } else if (type == SS_BITMAP && s.image != nullptr) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, s.image);
        BitBlt(dc, 0, 0, r.right, r.bottom, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    } else if (type <= SS_RIGHT) {
        HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(SYSTEM_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        const UINT align = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        DrawTextW(dc, w.text.c_str(), -1, &r, align | DT_WORDBREAK);
        SelectObject(dc, old);
    }
    EndPaint(hwnd, &ps);
}

LRESULT SetImage(HWND hwnd, Window& w, HANDLE image) {
    const HANDLE previous = std::exchange(StateOf(w).image, image);
    InvalidateRect(hwnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    if (LRESULT result = 0; HandleTextControlMessage(hwnd, StateOf(*w).font, message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_NCHITTEST:
        return (w->style & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_PAINT:
        Paint(hwnd, *w);
        return 0;
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case STM_SETICON:
        return SetImage(hwnd, *w, reinterpret_cast<HANDLE>(wParam));
    case STM_SETIMAGE:
        return SetImage(hwnd, *w, reinterpret_cast<HANDLE>(lParam));
    case STM_GETICON:
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(StateOf(*w).image);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterStaticClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.lpfnWndProc = &StaticProc;
    c.lpszClassName = u"Static";
    classes.Register(c);
}

} // namespace user
