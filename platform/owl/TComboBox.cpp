#include "platform/owl/TComboBox.h"

#include <algorithm>
#include <string>

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

TComboBox::TComboBox(TWindow* parent, int resourceId, UINT textLimit, TModule* module)
    : TWindow(parent, resourceId, module), mTextLimit(textLimit) {}

int TComboBox::SetSelString(LPCWSTR text, int start) const {
    const std::u16string wanted = text != nullptr ? text : u"";
    const auto lower = [](std::u16string s) {
        for (char16_t& c : s)
            if (c >= u'A' && c <= u'Z')
                c = static_cast<char16_t>(c - u'A' + u'a');
        return s;
    };
    const int count = GetCount();
    for (int step = 0; step < count; ++step) {
        const int index = (start + 1 + step) % count;
        std::u16string item(static_cast<std::size_t>(std::max(GetStringLen(index), 0)) + 1, u'\0');
        item.resize(static_cast<std::size_t>(std::max(GetString(item.data(), index), 0)));
        if (lower(item) == lower(wanted)) {
            SetSelIndex(index);
            return index;
        }
    }
    return CB_ERR;
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
