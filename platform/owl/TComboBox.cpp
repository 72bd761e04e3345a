#include "platform/owl/TComboBox.h"

namespace OWL {

TComboBox::TComboBox(TWindow* parent, int id, int x, int y, int w, int h, DWORD style, UINT textLimit,
                     TModule* module)
    : TWindow(parent, nullptr, module), mTextLimit(textLimit) {
    Attr.Style = style | WS_CHILD;
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

int TComboBox::AddString(LPCWSTR text) const {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int TComboBox::InsertString(LPCWSTR text, int index) const {
    return static_cast<int>(
        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int TComboBox::DeleteString(int index) const {
    return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)));
}

int TComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}

int TComboBox::GetSelIndex() const {
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int TComboBox::SetSelIndex(int index) const {
    return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
}

int TComboBox::GetStringLen(int index) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}

int TComboBox::GetString(LPWSTR buffer, int index) const {
    return static_cast<int>(
        SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}

LPARAM TComboBox::GetItemData(int index) const {
    return SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index));
}

int TComboBox::SetItemData(int index, LPARAM data) const {
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), data));
}

int TComboBox::GetItemHeight(int index) const {
    return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
}

int TComboBox::SetItemHeight(int index, int height) const {
    return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
}

} // namespace OWL
