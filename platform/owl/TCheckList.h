#pragma once
// A list of items with a check box each: an owner-drawn list box whose items are TCheckListItem
// objects, kept as the items' data words. The list does not own its items: whoever adds an item
// keeps it and deletes it after detaching it or after the list has gone.
//
// A click on an item's box, or the space bar on the selected item, toggles the item (a click also
// selects it). Every such toggle is then reported to the parent as a selection change (WM_COMMAND
// with LBN_SELCHANGE), after the new state is set, so that the parent's selection-change handler
// sees the item selected with its new check state; one notification per toggle. A click beside the
// box only selects, as in any list box.

#include <string>

#include "platform/owl/TListBox.h"

namespace OWL {

class TCheckListItem {
public:
    explicit TCheckListItem(std::u16string text = {}, bool checked = false)
        : mText(std::move(text)), mChecked(checked) {}

    void Check() { mChecked = true; }
    void Uncheck() { mChecked = false; }
    void Toggle() { mChecked = !mChecked; }
    bool IsChecked() const { return mChecked; }
    const std::u16string& GetText() const { return mText; }
    void SetText(std::u16string text) { mText = std::move(text); }

private:
    std::u16string mText;
    bool mChecked;
};

class TCheckList : public TListBox {
public:
    TCheckList(TWindow* parent, int id, int x, int y, int w, int h, TModule* module = nullptr);

    // Appends an item; its index or LB_ERR.
    int AddItem(TCheckListItem* item);
    // Takes item index out of the list and hands it back; null for an index outside the list.
    TCheckListItem* DetachItem(int index);
    // The item at index, or null.
    TCheckListItem* GetItem(int index) const;
    // Redraws item index (after its text or state changed).
    void Update(int index) const;

    // Height of an item and side of its box, in pixels.
    static constexpr int kItemHeight = 16;
    static constexpr int kBoxSize = 11;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void SetupWindow() override;

private:
    // Toggles the item, selects it and tells the parent.
    void ToggleByUser(int index);
    void DrawItem(const DRAWITEMSTRUCT& item) const;
};

} // namespace OWL
