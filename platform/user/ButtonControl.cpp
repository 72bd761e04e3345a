#include <memory>

#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/Desktop.h"
#include "platform/user/button.h"
#include "platform/user/dialog_api.h"
#include "platform/user/input_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

namespace user {
namespace {

struct ButtonState {
    HFONT font = nullptr;
    LRESULT check = BST_UNCHECKED;
    bool pushed = false;
    bool tracking = false;
};

ButtonState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<ButtonState>();
    return *static_cast<ButtonState*>(w.control.get());
}

DWORD Kind(const Window& w) {
    return w.style & BS_TYPEMASK;
}

bool IsCheck(const Window& w) {
    const DWORD k = Kind(w);
    return k == BS_CHECKBOX || k == BS_AUTOCHECKBOX || k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON;
}

void Fill(HDC dc, const RECT& r, int index) {
    FillRect(dc, &r, GetSysColorBrush(index));
}

void Edge(HDC dc, const RECT& r, int topLeft, int bottomRight) {
    Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void Text(HDC dc, const Window& w, RECT r, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((w.style & WS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, w.text.c_str(), -1, &r, format | DT_SINGLELINE | DT_VCENTER);
}

void Paint(HWND hwnd, Window& w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    ButtonState& s = StateOf(w);
    const RECT all{0, 0, w.ClientWidth(), w.ClientHeight()};
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(SYSTEM_FONT));
    Fill(dc, all, COLOR_BTNFACE);
    if (IsCheck(w)) {
        const LONG side = 13;
        RECT box{0, (all.bottom - side) / 2, side, (all.bottom - side) / 2 + side};
        DrawFrameControl(dc, &box, DFC_BUTTON,
                         DFCS_BUTTONCHECK | (s.check == BST_CHECKED ? DFCS_CHECKED : 0) |
                             (s.pushed ? DFCS_PUSHED : 0) | ((w.style & WS_DISABLED) ? DFCS_INACTIVE : 0));
        Text(dc, w, RECT{side + 4, 0, all.right, all.bottom}, DT_LEFT);
    } else if (Kind(w) == BS_GROUPBOX) {
        Edge(dc, RECT{0, 6, all.right, all.bottom}, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        Text(dc, w, RECT{8, 0, all.right, 12}, DT_LEFT);
    } else {
        Edge(dc, all, s.pushed ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT,
             s.pushed ? COLOR_BTNHIGHLIGHT : COLOR_3DDKSHADOW);
        if (Kind(w) == BS_DEFPUSHBUTTON)
            Edge(dc, RECT{1, 1, all.right - 1, all.bottom - 1}, COLOR_BTNFACE, COLOR_BTNSHADOW);
        if ((w.style & BS_BITMAP) == 0) {
            const LONG shift = s.pushed ? 1 : 0;
            Text(dc, w, Offset(all, shift, shift), DT_CENTER);
        }
        if (GetFocus() == hwnd) {
            const RECT focus{3, 3, all.right - 3, all.bottom - 3};
            DrawFocusRect(dc, &focus);
        }
    }
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

void SetPushed(HWND hwnd, ButtonState& s, bool pushed) {
    if (s.pushed != pushed) {
        s.pushed = pushed;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT r;
    GetClientRect(hwnd, &r);
    return Contains(r, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

// Unchecks the other automatic radio buttons of the button's group: the siblings from the last
// WS_GROUP control up to it to the next WS_GROUP control.
void UncheckGroup(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    if (parent == nullptr)
        return;
    HWND start = hwnd;
    while ((GetWindowLongW(start, GWL_STYLE) & WS_GROUP) == 0) {
        HWND previous = GetWindow(start, GW_HWNDPREV);
        if (previous == nullptr)
            break;
        start = previous;
    }
    for (HWND c = start; c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        if (c != start && (GetWindowLongW(c, GWL_STYLE) & WS_GROUP) != 0)
            break;
        if (c == hwnd)
            continue;
        if (Window* other = Lookup(c); other != nullptr && other->windowClass == Lookup(hwnd)->windowClass &&
                                       Kind(*other) == BS_AUTORADIOBUTTON)
            SendMessageW(c, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Clicked(HWND hwnd, Window& w) {
    ButtonState& s = StateOf(w);
    if (Kind(w) == BS_AUTOCHECKBOX) {
        s.check = s.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    } else if (Kind(w) == BS_AUTORADIOBUTTON) {
        s.check = BST_CHECKED;
        UncheckGroup(hwnd);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    if (HWND parent = GetParent(hwnd))
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<int>(w.id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
}

LRESULT DialogCode(const Window& w) {
    switch (Kind(w)) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

LRESULT ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    ButtonState& s = StateOf(*w);
    switch (message) {
    case WM_PAINT:
        Paint(hwnd, *w);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(hwnd);
        SetCapture(hwnd);
        s.tracking = true;
        SetPushed(hwnd, s, true);
        return 0;
    case WM_MOUSEMOVE:
        if (s.tracking)
            SetPushed(hwnd, s, Inside(hwnd, lParam));
        return 0;
    case WM_LBUTTONUP: {
        if (!s.tracking)
            return 0;
        s.tracking = false;
        const bool inside = Inside(hwnd, lParam);
        SetPushed(hwnd, s, false);
        ReleaseCapture();
        if (inside)
            Clicked(hwnd, *w);
        return 0;
    }
    case WM_CAPTURECHANGED:
        s.tracking = false;
        SetPushed(hwnd, s, false);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcW(hwnd, message, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
    }
    case WM_SETFONT:
        s.font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s.font);
    case WM_GETDLGCODE:
        return DialogCode(*w);
    case BM_GETCHECK:
        return s.check;
    case BM_SETCHECK:
        s.check = static_cast<LRESULT>(wParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case BM_GETSTATE:
        return s.check | (s.pushed ? BST_PUSHED : 0) | (GetFocus() == hwnd ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(hwnd, s, wParam != 0);
        return 0;
    case BM_CLICK:
        Clicked(hwnd, *w);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterButtonClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.lpfnWndProc = &ButtonProc;
    c.lpszClassName = u"Button";
    classes.Register(c);
}

} // namespace user
