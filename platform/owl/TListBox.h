#pragma once
// A list box control: a TWindow over the system "ListBox" class, with its item operations. Indices
// are 0-based; LB_ERR (-1) marks a failure.

#include "platform/owl/TWindow.h"
#include "platform/user/listbox.h"

namespace OWL {

class TListBox : public TWindow {
public:
    TListBox(TWindow* parent, int id, int x, int y, int w, int h, TModule* module = nullptr);

    int AddString(LPCWSTR text) const;
    int InsertString(LPCWSTR text, int index) const;
    int DeleteString(int index) const;
    void ClearList() const;
    int GetCount() const;
    int GetSelIndex() const;
    int SetSelIndex(int index) const;
    LPARAM GetItemData(int index) const;
    int SetItemData(int index, LPARAM data) const;
    // Item index's rectangle in the client area; false for an index outside the list.
    bool GetItemRect(int index, TRect& rect) const;

protected:
    LPCWSTR GetClassName() const override { return u"ListBox"; }
};

} // namespace OWL
