#include "controls/TopmostWindow.h"

#include "module/HostServices.h"
#include "platform/user/window_api.h"
#include "platform/win32/modules.h"

namespace {

BOOL Collect(HWND hwnd, LPARAM list) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0)
        reinterpret_cast<TopmostWindow::WindowList*>(list)->push_back({IsWindowEnabled(hwnd) != FALSE, hwnd});
    return TRUE;
}

} // namespace

TopmostWindow::TopmostWindow() {
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&mWindows));
}

OWL::TWindow* TopmostWindow::FirstWindow() const {
    return mWindows.empty() ? nullptr : OWL::GetWindowPtr(mWindows.front().window);
}

HWND GetModalOwnerWindow() {
    if (IHostApplication* application = Tarvik::GetHostApplication()) {
        HWND main = nullptr;
        if (SUCCEEDED(application->GetMainWindow(&main)) && main != nullptr)
            return main;
    }
    const TopmostWindow windows;
    return windows.Windows().empty() ? nullptr : windows.Windows().front().window;
}
