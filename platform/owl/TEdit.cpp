#include "platform/owl/TEdit.h"

#include "platform/user/msgbox_api.h"
#include "platform/user/window_api.h"

namespace OWL {

TEdit::TEdit(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, UINT textLimit,
             TModule* module)
    : TWindow(parent, text, module), mTextLimit(textLimit) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_LEFT | ES_AUTOHSCROLL;
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TEdit::TEdit(TWindow* parent, int resourceId, UINT textLimit, TModule* module)
    : TWindow(parent, resourceId, module), mTextLimit(textLimit) {}

DEFINE_RESPONSE_TABLE1(TEdit, TWindow)
EV_WM_CHAR, EV_WM_KILLFOCUS, EV_MESSAGE(WM_CHILDINVALID, EvChildInvalid), END_RESPONSE_TABLE;

TEdit::~TEdit() {
    delete mValidator;
}

void TEdit::SetValidator(TValidator* validator) {
    if (validator != mValidator)
        delete mValidator;
    mValidator = validator;
}

bool TEdit::IsValid(bool reportError) {
    if (mValidator == nullptr)
        return true;
    const std::u16string text = GetText();
    return reportError ? mValidator->Valid(text.c_str(), this) : mValidator->IsValid(text.c_str());
}

void TEdit::ValidatorError() {
    SetFocus();
    SetSelection(0, -1);
    if (mValidator != nullptr)
        mValidator->Error(this);
}

bool TEdit::CanClose() {
    if (mValidator == nullptr || !IsWindowEnabled())
        return true;
    if (IsValid(true))
        return true;
    SetFocus();
    return false;
}

void TEdit::EvChar(UINT key, UINT, UINT) {
    if (mValidator != nullptr && key >= 0x20) {
        int start = 0, end = 0;
        GetSelection(start, end);
        std::u16string text = GetText();
        text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), 1,
                     static_cast<char16_t>(key));
        if (!mValidator->IsValidInput(text.data(), false)) {
            MessageBeep(0);
            return;
        }
    }
    DefaultProcessing();
}

void TEdit::EvKillFocus(HWND gaining) {
    DefaultProcessing();
    if (mValidator == nullptr || !IsWindow() || IsValid(false))
        return;
    if (gaining != nullptr && ::GetDlgCtrlID(gaining) == IDCANCEL && ::GetParent(gaining) == GetParentH())
        return;
    PostMessage(WM_CHILDINVALID, reinterpret_cast<WPARAM>(GetHandle()));
}

LRESULT TEdit::EvChildInvalid(WPARAM, LPARAM) {
    ValidatorError();
    return 0;
}

void TEdit::SetupWindow() {
    TWindow::SetupWindow();
    if (mTextLimit != 0)
        LimitText(mTextLimit - 1);
}

void TEdit::SetSelection(int anchor, int caret) const {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(anchor), static_cast<LPARAM>(caret));
}

void TEdit::GetSelection(int& start, int& end) const {
    DWORD s = 0, e = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

void TEdit::Insert(LPCWSTR text) const {
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void TEdit::LimitText(UINT characters) const {
    SendMessage(EM_LIMITTEXT, characters);
}

UINT TEdit::GetLimitText() const {
    return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT));
}

bool TEdit::IsModified() const {
    return SendMessage(EM_GETMODIFY) != 0;
}

void TEdit::ClearModify() const {
    SendMessage(EM_SETMODIFY, FALSE);
}

void TEdit::SetReadOnly(bool readOnly) const {
    SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

} // namespace OWL
