#include "platform/owl/TEdit.h"

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
