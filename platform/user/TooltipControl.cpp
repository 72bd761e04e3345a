#include <memory>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/user/ClassRegistry.h"
#include "platform/user/Desktop.h"
#include "platform/user/TextControl.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/paint_api.h"
#include "platform/user/tooltip.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

namespace user {
namespace {

struct TooltipState {
    HFONT font = nullptr;
};

TooltipState& StateOf(Window& w) {
    if (!w.control)
        w.control = std::make_shared<TooltipState>();
    return *static_cast<TooltipState*>(w.control.get());
}

void Paint(HWND hwnd, Window& w) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc == nullptr)
        return;
    RECT r{0, 0, w.ClientWidth(), w.ClientHeight()};
    FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(dc, &r, GetSysColorBrush(COLOR_INFOTEXT));
    const TooltipState& s = StateOf(w);
    HGDIOBJ old = SelectObject(dc, s.font ? s.font : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    DrawTextW(dc, w.text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(hwnd, &ps);
}

LRESULT TooltipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (w == nullptr)
        return 0;
    if (LRESULT result = 0; HandleTextControlMessage(hwnd, StateOf(*w).font, message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT:
        Paint(hwnd, *w);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

void RegisterTooltipClass(ClassRegistry& classes) {
    WNDCLASSW c{};
    c.lpfnWndProc = &TooltipProc;
    c.lpszClassName = u"tooltips_class32";
    classes.Register(c);
}

} // namespace user
