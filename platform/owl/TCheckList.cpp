#include "platform/owl/TCheckList.h"

#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace OWL {

TCheckList::TCheckList(TWindow* parent, int id, int x, int y, int w, int h, TModule* module)
    : TListBox(parent, id, x, y, w, h, module) {
    Attr.Style |= LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
}

void TCheckList::SetupWindow() {
    TListBox::SetupWindow();
    SendMessage(LB_SETITEMHEIGHT, 0, kItemHeight);
}

int TCheckList::AddItem(TCheckListItem* item) {
    if (item == nullptr)
        return LB_ERR;
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item)));
}

TCheckListItem* TCheckList::DetachItem(int index) {
    TCheckListItem* item = GetItem(index);
    if (item != nullptr)
        DeleteString(index);
    return item;
}

TCheckListItem* TCheckList::GetItem(int index) const {
    if (index < 0 || index >= GetCount())
        return nullptr;
    return reinterpret_cast<TCheckListItem*>(GetItemData(index));
}

void TCheckList::Update(int index) const {
    TRect r;
    if (GetItemRect(index, r))
        InvalidateRect(r, true);
}

void TCheckList::ToggleByUser(int index) {
    TCheckListItem* item = GetItem(index);
    if (item == nullptr)
        return;
    item->Toggle();
    SetSelIndex(index);
    Update(index);
    ::SendMessageW(GetParentH(), WM_COMMAND, MAKEWPARAM(GetId(), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(GetHandle()));
}

LRESULT TCheckList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kItemHeight;
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const auto hit = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, lParam));
        TRect box;
        if (HIWORD(hit) == 0 && GetItemRect(LOWORD(hit), box) &&
            GET_X_LPARAM(lParam) < box.left + kItemHeight) {
            SetFocus();
            ToggleByUser(LOWORD(hit));
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (wParam == u' ') {
            ToggleByUser(GetSelIndex());
            return 0;
        }
        break;
    default:
        break;
    }
    return TListBox::WindowProc(message, wParam, lParam);
}

void TCheckList::DrawItem(const DRAWITEMSTRUCT& draw) const {
    const TCheckListItem* item = reinterpret_cast<const TCheckListItem*>(draw.itemData);
    if (item == nullptr || draw.hDC == nullptr)
        return;
    const RECT& r = draw.rcItem;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const LONG top = r.top + (r.bottom - r.top - kBoxSize) / 2;
    const RECT box{r.left + 2, top, r.left + 2 + kBoxSize, top + kBoxSize};
    FillRect(draw.hDC, &box, GetSysColorBrush(COLOR_WINDOW));
    FrameRect(draw.hDC, &box, GetSysColorBrush(COLOR_WINDOWTEXT));
    if (item->IsChecked()) {
        HPEN pen = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_WINDOWTEXT));
        HGDIOBJ old = SelectObject(draw.hDC, pen);
        MoveToEx(draw.hDC, box.left + 2, box.top + 5, nullptr);
        LineTo(draw.hDC, box.left + 4, box.bottom - 3);
        LineTo(draw.hDC, box.right - 2, box.top + 2);
        SelectObject(draw.hDC, old);
        DeleteObject(pen);
    }
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text{box.right + 4, r.top, r.right, r.bottom};
    const std::u16string& t = item->GetText();
    DrawTextW(draw.hDC, t.c_str(), static_cast<int>(t.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace OWL
