#pragma once
// An edit control: a TWindow over the system "Edit" class (single line), with
// its text, selection and limit operations. A text limit given to a
// constructor counts the terminating NUL, as the framework's limits do: 256
// lets the user type 255 characters; 0 leaves the control's own limit.

#include <string>

#include "platform/owl/TWindow.h"
#include "platform/user/edit.h"

namespace OWL {

class TEdit : public TWindow {
public:
    // Style WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL.
    TEdit(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, UINT textLimit = 0,
          TModule* module = nullptr);
    // An alias of the parent's control of this id (a dialog's edit).
    TEdit(TWindow* parent, int resourceId, UINT textLimit = 0, TModule* module = nullptr);
    // An alias over an existing edit control.
    explicit TEdit(HWND handle, TModule* module = nullptr) : TWindow(handle, module) {}

    std::u16string GetText() const { return GetWindowTextString(); }
    void SetText(LPCWSTR text) const { SetWindowText(text); }
    // anchor to caret; (0, -1) selects everything.
    void SetSelection(int anchor, int caret) const;
    void GetSelection(int& start, int& end) const;
    // Replaces the selection, within the limit.
    void Insert(LPCWSTR text) const;
    void Clear() const { SetWindowText(u""); }
    // The number of characters the user may type; 0 lifts the limit.
    void LimitText(UINT characters) const;
    UINT GetLimitText() const;
    bool IsModified() const;
    void ClearModify() const;
    void SetReadOnly(bool readOnly) const;

protected:
    LPCWSTR GetClassName() const override { return u"Edit"; }
    void SetupWindow() override;

private:
    UINT mTextLimit = 0;
};

} // namespace OWL
