// Window enumeration, other processes' windows, placement, regions and animation.

#include <string>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/user/Desktop.h"
#include "platform/user/message_api.h"
#include "platform/user/paint_api.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"
#include "platform/win32/modules.h"

using user::Desktop;
using user::Window;

namespace {

std::u16string Number(long long v) {
    const std::string s = std::to_string(v);
    return std::u16string(s.begin(), s.end());
}

int Complexity(const gdi::Region& r) {
    if (r.IsEmpty())
        return NULLREGION;
    return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

BOOL EnumWindows(WNDENUMPROC callback, LPARAM lParam) {
    if (callback == nullptr)
        return FALSE;
    Desktop& d = Desktop::Current();
    Desktop::Hold hold(d);
    for (HWND h : std::vector<HWND>(d.Windows().TopLevel()))
        if (d.Windows().Find(h) != nullptr && !callback(h, lParam))
            return FALSE;
    return TRUE;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* pid) {
    const Window* w = user::Lookup(hwnd);
    if (w == nullptr)
        return 0;
    if (pid != nullptr)
        *pid = w->process != 0 ? w->process : GetCurrentProcessId();
    return w->process != 0 ? w->process : GetCurrentThreadId();
}

BOOL ShowWindowAsync(HWND hwnd, int command) {
    const Window* w = user::Lookup(hwnd);
    if (w == nullptr)
        return FALSE;
    Desktop::Current().Effects().Add("ShowWindowAsync", w->text + u"|" + Number(command));
    ShowWindow(hwnd, command);
    return TRUE;
}

BOOL SetForegroundWindow(HWND hwnd) {
    const Window* w = user::Lookup(hwnd);
    if (w == nullptr)
        return FALSE;
    Desktop::Current().Effects().Add("SetForegroundWindow", w->text);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
    const Window* w = user::Lookup(hwnd);
    if (w == nullptr || placement == nullptr || placement->length != sizeof(WINDOWPLACEMENT))
        return FALSE;
    placement->flags = 0;
    placement->showCmd = (w->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                         : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                    : SW_SHOWNORMAL;
    placement->ptMinPosition = {-1, -1};
    placement->ptMaxPosition = {-1, -1};
    placement->rcNormalPosition = (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) ? w->restored : w->window;
    return TRUE;
}

BOOL GetWindowInfo(HWND hwnd, WINDOWINFO* info) {
    const Window* w = user::Lookup(hwnd);
    if (w == nullptr || info == nullptr)
        return FALSE;
    GetWindowRect(hwnd, &info->rcWindow);
    RECT client{};
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    info->rcClient = client;
    info->dwStyle = w->style;
    info->dwExStyle = w->exStyle;
    info->dwWindowStatus = 0;
    info->cxWindowBorders = static_cast<UINT>(client.left - info->rcWindow.left);
    info->cyWindowBorders = static_cast<UINT>(client.top - info->rcWindow.top);
    info->atomWindowType = w->windowClass ? w->windowClass->atom : 0;
    info->wCreatorVersion = 0x0500;
    return TRUE;
}

namespace user {

HWND RegisterOtherProcessWindow(const std::u16string& title, DWORD pid) {
    static constexpr char16_t kClass[] = u"#OtherProcessWindow";
    WNDCLASSW description{};
    description.lpfnWndProc = DefWindowProcW;
    description.lpszClassName = kClass;
    RegisterClassW(&description); // fails harmlessly once registered
    const HWND hwnd = CreateWindowExW(0, kClass, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                                      nullptr, nullptr, nullptr);
    if (Window* w = Lookup(hwnd)) {
        w->process = pid;
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    }
    return hwnd;
}

} // namespace user

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    Desktop& d = Desktop::Current();
    Window* w = user::Lookup(hwnd);
    if (w == nullptr)
        return 0;
    if (region != nullptr) {
        const std::shared_ptr<gdi::Region> r = gdi::RegionOfHandle(region);
        if (!r)
            return 0;
        w->region = *r;
        DeleteObject(region);
    } else {
        w->region.reset();
    }
    if (redraw)
        user::Mark(d, *w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
    const Window* w = user::Lookup(hwnd);
    if (w == nullptr || !w->region)
        return ERROR;
    if (!gdi::SetRegionOfHandle(region, *w->region))
        return ERROR;
    return Complexity(*w->region);
}

BOOL AnimateWindow(HWND hwnd, DWORD time, DWORD flags) {
    if (!IsWindow(hwnd))
        return FALSE;
    Desktop::Current().Effects().Add("AnimateWindow", Number(time) + u" " + Number(flags));
    ShowWindow(hwnd, (flags & AW_HIDE) ? SW_HIDE : SW_SHOWNA);
    return TRUE;
}
