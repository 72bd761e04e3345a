#include <cstdlib>
#include <memory>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/input_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/paint_api.h"
#include "platform/user/scrollbar.h"
#include "platform/user/updown.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

namespace user {
namespace {

struct UpDownState {
    int lower = 100; // the platform's default range runs from 100 down to 0
    int upper = 0;
    int pos = 0;
    HWND buddy = nullptr;
    int pressed = 0; // +1 upper half, -1 lower half
};

UpDownState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<UpDownState>();
    return *static_cast<UpDownState*>(w.control.get());
}

int Clamp(const UpDownState& s, int v) {
    const int lo = std::min(s.lower, s.upper), hi = std::max(s.lower, s.upper);
    return std::max(lo, std::min(hi, v));
}

void WriteBuddy(const Window& w, const UpDownState& s) {
    if (s.buddy != nullptr && (w.style & UDS_SETBUDDYINT)) {
        const std::string digits = std::to_string(s.pos);
        SetWindowTextW(s.buddy, std::u16string(digits.begin(), digits.end()).c_str());
    }
}

// Takes a buddy's text that is a number in the range as the position; false otherwise.
bool ReadBuddy(const Window& w, UpDownState& s) {
    if (s.buddy == nullptr || !(w.style & UDS_SETBUDDYINT))
        return true;
    WCHAR text[32] = {};
    GetWindowTextW(s.buddy, text, 32);
    std::string narrow;
    for (const WCHAR* c = text; *c; ++c)
        if (*c != u',' || (w.style & UDS_NOTHOUSANDS))
            narrow += static_cast<char>(*c < 0x80 ? *c : '?');
    char* end = nullptr;
    const long v = std::strtol(narrow.c_str(), &end, 10);
    if (narrow.empty() || *end != 0 ||
        v != Clamp(s, static_cast<int>(std::max(-0x7FFFFFFFL, std::min(v, 0x7FFFFFFFL)))))
        return false;
    s.pos = static_cast<int>(v);
    return true;
}

void Step(HWND hwnd, Window& w, int direction) {
    UpDownState& s = StateOf(w);
    ReadBuddy(w, s);
    const int delta = s.upper >= s.lower ? direction : -direction;
    NMUPDOWN n{{hwnd, static_cast<UINT_PTR>(w.id), UDN_DELTAPOS}, s.pos, delta};
    HWND parent = GetParent(hwnd);
    if (parent &&
        SendMessageW(parent, WM_NOTIFY, static_cast<WPARAM>(w.id), reinterpret_cast<LPARAM>(&n)) != 0)
        return;
    int next = s.pos + delta;
    if (next != Clamp(s, next))
        next = (w.style & UDS_WRAP) ? (delta > 0 ? std::min(s.lower, s.upper) : std::max(s.lower, s.upper))
                                    : Clamp(s, next);
    if (next == s.pos)
        return;
    s.pos = next;
    WriteBuddy(w, s);
    if (parent)
        SendMessageW(parent, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(s.pos)),
                     reinterpret_cast<LPARAM>(hwnd));
}

void Arrow(HDC dc, const RECT& r, bool up, bool pressed) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const int light = pressed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
    const int dark = pressed ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW;
    const RECT edges[4] = {{r.left, r.top, r.right, r.top + 1},
                           {r.left, r.top, r.left + 1, r.bottom},
                           {r.left, r.bottom - 1, r.right, r.bottom},
                           {r.right - 1, r.top, r.right, r.bottom}};
    for (int i = 0; i < 4; ++i)
        FillRect(dc, &edges[i], GetSysColorBrush(i < 2 ? light : dark));
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const POINT tip[3] = {
        {cx - 3, up ? cy + 1 : cy - 1}, {cx + 3, up ? cy + 1 : cy - 1}, {cx, up ? cy - 2 : cy + 2}};
    HGDIOBJ oldBrush = SelectObject(dc, GetSysColorBrush(COLOR_BTNTEXT));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, tip, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void Paint(HWND hwnd, Window& w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    const UpDownState& s = StateOf(w);
    const LONG half = w.ClientHeight() / 2;
    Arrow(dc, RECT{0, 0, w.ClientWidth(), half}, true, s.pressed > 0);
    Arrow(dc, RECT{0, half, w.ClientWidth(), w.ClientHeight()}, false, s.pressed < 0);
    EndPaint(hwnd, &ps);
}

LRESULT UpDownProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    UpDownState& s = StateOf(*w);
    switch (message) {
    case WM_CREATE:
        if (w->style & UDS_AUTOBUDDY)
            s.buddy = GetWindow(hwnd, GW_HWNDPREV);
        return 0;
    case WM_PAINT:
        Paint(hwnd, *w);
        return 0;
    case WM_LBUTTONDOWN:
        s.pressed = GET_Y_LPARAM(lParam) < w->ClientHeight() / 2 ? 1 : -1;
        SetCapture(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        Step(hwnd, *w, s.pressed);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        s.pressed = 0;
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case UDM_SETRANGE:
        s.upper = static_cast<short>(LOWORD(static_cast<DWORD>(lParam)));
        s.lower = static_cast<short>(HIWORD(static_cast<DWORD>(lParam)));
        s.pos = Clamp(s, s.pos);
        return 0;
    case UDM_GETRANGE:
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(s.upper), static_cast<WORD>(s.lower)));
    case UDM_SETRANGE32:
        s.lower = static_cast<int>(wParam);
        s.upper = static_cast<int>(lParam);
        s.pos = Clamp(s, s.pos);
        return 0;
    case UDM_GETRANGE32:
        if (auto* lo = reinterpret_cast<int*>(wParam))
            *lo = s.lower;
        if (auto* hi = reinterpret_cast<int*>(lParam))
            *hi = s.upper;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        const int previous = s.pos;
        s.pos = Clamp(s, message == UDM_SETPOS ? static_cast<short>(LOWORD(static_cast<DWORD>(lParam)))
                                               : static_cast<int>(lParam));
        WriteBuddy(*w, s);
        return previous;
    }
    case UDM_GETPOS:
        return ReadBuddy(*w, s) ? static_cast<WORD>(s.pos) : MAKELONG(static_cast<WORD>(s.pos), 1);
    case UDM_GETPOS32: {
        const bool ok = ReadBuddy(*w, s);
        if (auto* error = reinterpret_cast<BOOL*>(lParam))
            *error = ok ? FALSE : TRUE;
        return s.pos;
    }
    case UDM_SETBUDDY: {
        HWND previous = s.buddy;
        s.buddy = reinterpret_cast<HWND>(wParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(s.buddy);
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterUpDownClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.lpfnWndProc = &UpDownProc;
    c.lpszClassName = UPDOWN_CLASSW;
    classes.Register(c);
}

} // namespace user
