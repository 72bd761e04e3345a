#include "platform/owl/TDialog.h"

#include <utility>

#include "platform/owl/TModule.h"
#include "platform/user/user.h"

namespace OWL {

// The dialog procedure of every TDialog: the object being made binds at the dialog's first message
// (WM_SETFONT or WM_INITDIALOG) and answers from then on through its own window procedure, in front
// of the dialog's default processing.
struct TDialogProc {
    static inline thread_local TDialog* creating = nullptr;

    static INT_PTR Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        TDialog* dialog = std::exchange(creating, nullptr);
        if (dialog == nullptr)
            return FALSE;
        dialog->Bind(hwnd);
        const LRESULT result = dialog->Receive(message, wParam, lParam);
        if (message == WM_INITDIALOG)
            return result;
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
};

TDialog::TDialog(TWindow* parent, int resId, TModule* module)
    : TWindow(parent, nullptr, module), mResId(resId) {}

TDialog::TDialog(TWindow* parent, std::vector<BYTE> dialogTemplate, TModule* module)
    : TWindow(parent, nullptr, module), mTemplate(std::move(dialogTemplate)) {}

HINSTANCE TDialog::Instance() const {
    if (mInstance != nullptr)
        return mInstance;
    return GetModule() != nullptr ? GetModule()->GetHandle() : nullptr;
}

int TDialog::Execute() {
    if (GetHandle() != nullptr)
        return -1;
    mModal = true;
    TDialogProc::creating = this;
    const INT_PTR result =
        mTemplate.empty()
            ? DialogBoxParamW(Instance(), MAKEINTRESOURCEW(static_cast<WORD>(mResId)), GetParentH(),
                              &TDialogProc::Proc, 0)
            : DialogBoxIndirectParamW(Instance(), reinterpret_cast<const DLGTEMPLATE*>(mTemplate.data()),
                                      GetParentH(), &TDialogProc::Proc, 0);
    TDialogProc::creating = nullptr;
    mModal = false;
    return static_cast<int>(result);
}

bool TDialog::Create() {
    if (GetHandle() != nullptr)
        return true;
    TDialogProc::creating = this;
    const HWND h =
        mTemplate.empty()
            ? CreateDialogParamW(Instance(), MAKEINTRESOURCEW(static_cast<WORD>(mResId)), GetParentH(),
                                 &TDialogProc::Proc, 0)
            : CreateDialogIndirectParamW(Instance(), reinterpret_cast<const DLGTEMPLATE*>(mTemplate.data()),
                                         GetParentH(), &TDialogProc::Proc, 0);
    TDialogProc::creating = nullptr;
    return h != nullptr;
}

void TDialog::CloseWindow(int result) {
    if (GetHandle() == nullptr)
        return;
    if (mModal)
        EndDialog(GetHandle(), result);
    else
        DestroyWindow(GetHandle());
}

void TDialog::CmOk() {
    if (CanClose())
        CloseWindow(IDOK);
}

void TDialog::CmCancel() {
    CloseWindow(IDCANCEL);
}

bool TDialog::EvInitDialog(HWND) {
    SetupWindow();
    return true;
}

LRESULT TDialog::EvInitDialogRaw(WPARAM focus, LPARAM) {
    return EvInitDialog(reinterpret_cast<HWND>(focus)) ? TRUE : FALSE;
}

DEFINE_RESPONSE_TABLE1(TDialog, TWindow)
EV_MESSAGE(WM_INITDIALOG, EvInitDialogRaw), EV_COMMAND(IDOK, CmOk),
    EV_COMMAND(IDCANCEL, CmCancel), END_RESPONSE_TABLE;

} // namespace OWL
