#include "module/ModalOwner.h"

#include "module/HostServices.h"
#include "platform/win32/modules.h"

namespace Tarvik {

namespace {

BOOL Collect(HWND hwnd, LPARAM list) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0)
        reinterpret_cast<std::vector<TopLevelWindow>*>(list)->push_back(
            {IsWindowEnabled(hwnd) != FALSE, hwnd});
    return TRUE;
}

} // namespace

std::vector<TopLevelWindow> ProcessTopLevelWindows() {
    std::vector<TopLevelWindow> windows;
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

} // namespace Tarvik

HWND GetModalOwnerWindow() {
    if (IHostApplication* application = Tarvik::GetHostApplication()) {
        HWND main = nullptr;
        if (SUCCEEDED(application->GetMainWindow(&main)) && main != nullptr)
            return main;
    }
    const auto windows = Tarvik::ProcessTopLevelWindows();
    return windows.empty() ? nullptr : windows.front().window;
}
