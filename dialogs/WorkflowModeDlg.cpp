#include "dialogs/WorkflowModeDlg.h"

#include <algorithm>

#include "module/ModuleInstance.h"

namespace Tarvik {

namespace {

constexpr int kEnableWorkflow = 1069;

// Centred over a visible owner that is not minimised, else on the monitor's work area; kept inside
// the work area.
void Centre(HWND dialog, HWND owner) {
    RECT box{}, area{};
    GetWindowRect(dialog, &box);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : dialog, MONITOR_DEFAULTTONEAREST), &info);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        area = info.rcWork;
    const LONG width = box.right - box.left, height = box.bottom - box.top;
    LONG left = area.left + (area.right - area.left - width) / 2;
    LONG top = area.top + (area.bottom - area.top - height) / 2;
    left = std::max(info.rcWork.left, std::min(left, info.rcWork.right - width));
    top = std::max(info.rcWork.top, std::min(top, info.rcWork.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

LRESULT WorkflowModeDlg::OnInitDialog(UINT, WPARAM, LPARAM, BOOL&) {
    Centre(m_hWnd, ::GetWindow(m_hWnd, GW_OWNER));
    CheckDlgButton(kEnableWorkflow, *mEnabled ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

LRESULT WorkflowModeDlg::OnClose(WORD, WORD id, HWND, BOOL&) {
    if (id == IDOK)
        *mEnabled = IsDlgButtonChecked(kEnableWorkflow) == BST_CHECKED;
    EndDialog(id);
    return 0;
}

int RunWorkflowModeDialog(HWND owner, bool& workflowEnabled) {
    ATL::_AtlBaseModule.SetResourceInstance(ModuleInstance());
    WorkflowModeDlg dialog(&workflowEnabled);
    return static_cast<int>(dialog.DoModal(owner));
}

} // namespace Tarvik
