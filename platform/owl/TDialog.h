#pragma once
// A dialog of the framework: a TWindow over a dialog made from a template,
// the module's dialog resource or a template in memory (DLGTEMPLATE bytes,
// platform/user/DialogTemplate.h). Execute runs it modally and returns the
// value it closed with; Create makes it modeless.
//
// The object binds to the dialog at its first message; WM_INITDIALOG runs
// SetupWindow, which binds the children made over the template's controls
// (the TWindow(parent, resourceId) aliases) and creates the others. OK runs
// CmOk, which closes with IDOK once CanClose agrees; Cancel runs CmCancel,
// which closes with IDCANCEL. Messages the tables leave go to the dialog's
// default processing.

#include <vector>

#include "platform/owl/TWindow.h"
#include "platform/user/dialog_api.h"

namespace OWL {

class TDialog : public TWindow {
public:
    // The dialog resource resId of module (or of the parent's module; the process's without one).
    TDialog(TWindow* parent, int resId, TModule* module = nullptr);
    // A template in memory, copied.
    TDialog(TWindow* parent, std::vector<BYTE> dialogTemplate, TModule* module = nullptr);

    // Runs the dialog modally: the value it closed with, or -1 when it could not be made.
    virtual int Execute();
    // Makes it modeless; false when it could not be made.
    bool Create() override;
    // Ends a modal run with the value, or destroys a modeless dialog.
    void CloseWindow(int result);
    void SetCaption(LPCWSTR caption) const { SetWindowText(caption); }
    // The instance whose dialog resource the dialog is made from, instead of its module's.
    void SetResourceInstance(HINSTANCE instance) { mInstance = instance; }
    bool IsModal() const { return mModal; }

    virtual void CmOk();
    virtual void CmCancel();
    // Runs SetupWindow; true gives the focus to the first tab stop.
    virtual bool EvInitDialog(HWND focus);

    DECLARE_RESPONSE_TABLE(TDialog);

private:
    friend struct TDialogProc;
    LRESULT EvInitDialogRaw(WPARAM focus, LPARAM);
    HINSTANCE Instance() const;

    int mResId = 0;
    std::vector<BYTE> mTemplate;
    bool mModal = false;
    HINSTANCE mInstance = nullptr;
};

} // namespace OWL
