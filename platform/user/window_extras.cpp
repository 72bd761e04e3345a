// Window enumeration, regions, animation and the shell's opening of files.

#include <string>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/user/Desktop.h"
#include "platform/user/paint_api.h"
#include "platform/user/shell_api.h"
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

std::u16string Text(LPCWSTR s) {
    return s ? std::u16string(s) : std::u16string();
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
    if (!IsWindow(hwnd))
        return 0;
    if (pid != nullptr)
        *pid = GetCurrentProcessId();
    return GetCurrentThreadId();
}

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

HINSTANCE ShellExecuteW(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, int show) {
    Desktop::Current().Effects().Add("ShellExecute", Text(verb) + u"|" + Text(file) + u"|" +
                                                         Text(parameters) + u"|" + Text(folder) + u"|" +
                                                         Number(show));
    return reinterpret_cast<HINSTANCE>(std::uintptr_t{42});
}
