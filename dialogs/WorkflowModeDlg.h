#pragma once
// Tarvik::WorkflowModeDlg: the small dialog (template 123) in which the user
// switches the guided workflow on or off. OK stores the check box into the
// caller's flag; Cancel leaves it.

#include "platform/atl/CDialogImpl.h"

namespace Tarvik {

class WorkflowModeDlg : public ATL::CDialogImpl<WorkflowModeDlg> {
public:
    enum { IDD = 123 };
    explicit WorkflowModeDlg(bool* workflowEnabled) : mEnabled(workflowEnabled) {}

    BEGIN_MSG_MAP(WorkflowModeDlg)
    MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
    COMMAND_ID_HANDLER(IDOK, OnClose)
    COMMAND_ID_HANDLER(IDCANCEL, OnClose)
    END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnClose(WORD, WORD id, HWND, BOOL&);

    bool* mEnabled;
};

// Runs the dialog modally owned by owner; 1 when accepted.
int RunWorkflowModeDialog(HWND owner, bool& workflowEnabled);

} // namespace Tarvik
