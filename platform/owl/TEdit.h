#pragma once
// An edit control: a TWindow over the system "Edit" class (single line), with
// its text, selection and limit operations. A text limit given to a
// constructor counts the terminating NUL, as the framework's limits do: 256
// lets the user type 255 characters; 0 leaves the control's own limit.
//
// An edit may own a validator (TValidator.h). A typed character that would
// make the text fail IsValidInput is refused with a beep. When the edit loses
// the focus with a text that is not valid (except to the Cancel button), it
// posts itself WM_CHILDINVALID; its EvChildInvalid reports the error through
// the validator and takes the focus back. CanClose (an OK of its dialog)
// reports an invalid text the same way and refuses.

#include <string>

#include "platform/owl/TValidator.h"
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
    ~TEdit() override;

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

    // Takes the validator (null: none), deleting the one before.
    void SetValidator(TValidator* validator);
    TValidator* GetValidator() const { return mValidator; }
    // The validator's verdict on the text; with reportError an invalid text is
    // reported through the validator's Error. True without a validator.
    bool IsValid(bool reportError = false);
    // Reports the invalid text and returns the focus to the edit.
    void ValidatorError();
    bool CanClose() override;

    void EvChar(UINT key, UINT repeat, UINT flags);
    void EvKillFocus(HWND gaining);
    LRESULT EvChildInvalid(WPARAM, LPARAM);

    DECLARE_RESPONSE_TABLE(TEdit);

protected:
    LPCWSTR GetClassName() const override { return u"Edit"; }
    void SetupWindow() override;

private:
    UINT mTextLimit = 0;
    TValidator* mValidator = nullptr;
};

} // namespace OWL
