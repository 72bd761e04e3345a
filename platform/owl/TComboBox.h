#pragma once
// A combo box control: a TWindow over the system "ComboBox" class, with its
// item operations. Indices are 0-based; CB_ERR (-1) marks a failure.

#include "platform/owl/TWindow.h"
#include "platform/user/combobox.h"

namespace OWL {

class TComboBox : public TWindow {
public:
    TComboBox(TWindow* parent, int id, int x, int y, int w, int h, DWORD style, UINT textLimit = 0,
              TModule* module = nullptr);
    // An alias of the parent's control of that id (a dialog's combo box).
    TComboBox(TWindow* parent, int resourceId, UINT textLimit = 0, TModule* module = nullptr);
    // An alias over an existing combo box.
    explicit TComboBox(HWND handle, TModule* module = nullptr) : TWindow(handle, module) {}

    int AddString(LPCWSTR text) const;
    int InsertString(LPCWSTR text, int index) const;
    int DeleteString(int index) const;
    int GetCount() const;
    int GetSelIndex() const;
    int SetSelIndex(int index) const;
    // Length of item index's text, without the terminator.
    int GetStringLen(int index) const;
    // Copies item index's text with its terminator; the text's length.
    int GetString(LPWSTR buffer, int index) const;
    LPARAM GetItemData(int index) const;
    int SetItemData(int index, LPARAM data) const;
    int GetItemHeight(int index) const;
    int SetItemHeight(int index, int height) const;
    // Selects the first item whose text equals text ignoring case, searching from item start + 1
    // (-1: from the first); its index or CB_ERR.
    int SetSelString(LPCWSTR text, int start = -1) const;

protected:
    LPCWSTR GetClassName() const override { return u"ComboBox"; }

private:
    UINT mTextLimit;
};

} // namespace OWL
