#include "platform/owl/TListBox.h"

namespace OWL {

TListBox::TListBox(TWindow* parent, int id, int x, int y, int w, int h, TModule* module)
    : TWindow(parent, nullptr, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

int TListBox::AddString(LPCWSTR text) const {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int TListBox::InsertString(LPCWSTR text, int index) const {
    return static_cast<int>(
        SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int TListBox::DeleteString(int index) const {
    return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
}

void TListBox::ClearList() const {
    SendMessage(LB_RESETCONTENT);
}

int TListBox::GetCount() const {
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}

int TListBox::GetSelIndex() const {
    return static_cast<int>(SendMessage(LB_GETCURSEL));
}

int TListBox::SetSelIndex(int index) const {
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
}

LPARAM TListBox::GetItemData(int index) const {
    return SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
}

int TListBox::SetItemData(int index, LPARAM data) const {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), data));
}

bool TListBox::GetItemRect(int index, TRect& rect) const {
    RECT r{0, 0, 0, 0};
    if (SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
        return false;
    rect = r;
    return true;
}

} // namespace OWL
