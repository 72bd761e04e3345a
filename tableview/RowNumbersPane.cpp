#include "tableview/RowNumbersPane.h"

#include <algorithm>
#include <cstdlib>

#include "platform/user/metrics_api.h"
#include "platform/user/scroll_window.h"
#include "platform/user/user.h"
#include "tableview/GridControl.h"
#include "tableview/GridPane.h"

namespace TVF_Grid {

RowNumbersPane::RowNumbersPane(GridControl& grid) : OWL::TWindow(&grid, u""), mGrid(grid) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
}

DEFINE_RESPONSE_TABLE1(RowNumbersPane, OWL::TWindow)
EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_LBUTTONDBLCLK, EV_WM_RBUTTONUP, EV_WM_CONTEXTMENU, EV_WM_MOUSEMOVE,
    EV_WM_TIMER, EV_WM_SETFOCUS, EV_WM_KILLFOCUS, EV_WM_ERASEBKGND, END_RESPONSE_TABLE;

int RowNumbersPane::RowAt(int y) const {
    const GridPane& pane = mGrid.Pane();
    return (pane.VOffset() + y) / pane.RowHeight();
}

bool RowNumbersPane::BelowLastRow(int y) const {
    const GridPane& pane = mGrid.Pane();
    return y >= pane.RowCount() * pane.RowHeight() - pane.VOffset();
}

GridPos RowNumbersPane::RowPos(int row) const {
    return {row + mGrid.RowOrigin(), mGrid.RowOrigin()};
}

GridPos RowNumbersPane::TitleColumn() const {
    return {mGrid.ColumnOrigin() - 1, mGrid.ColumnOrigin()};
}

void RowNumbersPane::EvLButtonDown(UINT, const OWL::TPoint& p) {
    if (BelowLastRow(p.y)) {
        mGrid.Selection().Clear();
        return;
    }
    mGrid.Selection().MouseDown(RowPos(RowAt(p.y)), TitleColumn());
    mGrid.Pane().SetFocus();
}

void RowNumbersPane::ReleaseAt(int y) {
    const int count = mGrid.Pane().RowCount();
    if (count == 0)
        return;
    mGrid.Selection().MouseUp(RowPos(std::clamp(RowAt(std::max(y, 0)), 0, count - 1)), TitleColumn());
}

void RowNumbersPane::ActivateAt(int y, std::uint32_t extra) {
    if (BelowLastRow(y)) {
        mGrid.Selection().Clear();
        return;
    }
    mGrid.Selection().Activate(RowPos(RowAt(std::max(y, 0))), TitleColumn(),
                               GridSelection::ModifierKeys() | extra);
}

void RowNumbersPane::DoubleClickAt(int y) {
    ActivateAt(y, kDoubleClick);
}

void RowNumbersPane::EvRButtonUp(UINT, const OWL::TPoint& p) {
    ActivateAt(p.y, kRightButton);
    DefaultProcessing();
}

void RowNumbersPane::EvContextMenu(HWND, const OWL::TPoint&) {
    const SelectionRange& range = mGrid.Selection().Range();
    const int row = range.IsValid() ? range.rowStart.Inner() : 0;
    const int rowOrigin = mGrid.RowOrigin();
    const GridPos col = TitleColumn();
    const int item = mGrid.ChooseFromList(static_cast<DWORD>(row + rowOrigin), static_cast<DWORD>(col.index),
                                          GetParentH());
    if (item >= 0)
        mGrid.ChooseListItem(2, row + rowOrigin, rowOrigin, col.index, col.origin, item);
}

void RowNumbersPane::EvMouseMove(UINT, const OWL::TPoint& p) {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if ((static_cast<std::uint16_t>(GetAsyncKeyState(button)) & 0x8000) && GridSelection::ModifierKeys() == 0)
        DragAt(p.y);
}

void RowNumbersPane::DragAt(int y) {
    GridSelection& selection = mGrid.Selection();
    const GridPane& pane = mGrid.Pane();
    if (!selection.PressedRow().IsValid() || pane.RowCount() == 0)
        return;
    const int row = std::clamp(RowAt(y), 0, pane.RowCount() - 1);
    const auto [first, last] = pane.GetVisibleRows();
    const int h = pane.RowHeight();
    bool arm = false;
    if (y <= first * h - pane.VOffset() && row > 0) {
        mTarget = static_cast<std::uint32_t>(row - 1);
        arm = true;
    } else if (y >= (last - 1) * h - pane.VOffset() && row < pane.RowCount()) {
        mTarget = static_cast<std::uint32_t>(first + 1);
        arm = true;
    }
    if (arm) {
        mArmed = true;
        SetTimer(kAutoScrollTimer, kAutoScrollMs);
    }
    selection.MouseDrag(RowPos(row), TitleColumn());
}

void RowNumbersPane::EvTimer(UINT_PTR id) {
    if (id != kAutoScrollTimer)
        return;
    mGrid.ScrollToRow(static_cast<int>(mTarget) + mGrid.RowOrigin(), mGrid.RowOrigin());
    KillTimer(kAutoScrollTimer);
    mArmed = false;
}

void RowNumbersPane::FocusChanged(bool focused) {
    mHasFocus = focused;
    const SelectionRange& range = mGrid.Selection().Range();
    if (range.IsValid())
        RepaintRows(range.rowStart.Inner(), range.rowEnd.Inner() - 1);
    if (IsWindow())
        UpdateWindow();
}

void RowNumbersPane::RepaintRows(int a, int b) {
    if (a > b)
        std::swap(a, b);
    const GridPane& pane = mGrid.Pane();
    const int top = a * pane.RowHeight() - pane.VOffset();
    const int bottom = b * pane.RowHeight() - pane.VOffset() + pane.RowHeight();
    for (const OWL::TWindow* w :
         {static_cast<const OWL::TWindow*>(this), static_cast<const OWL::TWindow*>(&pane)})
        if (w->IsWindow())
            w->InvalidateRect({0, top, w->GetClientRect().right, bottom}, true);
}

void RowNumbersPane::FollowScroll() {
    if (!IsWindow())
        return;
    const GridPane& pane = mGrid.Pane();
    const int d = mLastTop - pane.TopRow();
    mLastTop = pane.TopRow();
    if (std::abs(d) < pane.VisibleRows())
        ScrollWindowEx(GetHandle(), 0, d * pane.RowHeight(), nullptr, nullptr, nullptr, nullptr,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    else
        Invalidate(true);
    UpdateWindow();
}

void RowNumbersPane::Paint(OWL::TDC& dc, bool, OWL::TRect& rect) {
    const GridPane& pane = mGrid.Pane();
    const int h = pane.RowHeight();
    const int rowOrigin = mGrid.RowOrigin();
    const int width = GetClientRect().Width();
    mLastTop = pane.TopRow();
    const SelectionRange& range = mGrid.Selection().Range();
    const bool valid = range.IsValid();
    dc.SelectObject(mGrid.CellFont());
    OWL::TPen lines(GetSysColor(COLOR_BTNSHADOW));
    int widest = 0;
    int row = (pane.VOffset() + rect.top) / h;
    for (int y = (row - pane.TopRow()) * h; y < rect.bottom; y += h, ++row) {
        OWL::TRect cell(0, y, width, y + h);
        if (valid && range.ContainsRow(row + rowOrigin)) {
            dc.FillRect(cell, GetSysColorBrush(COLOR_BTNSHADOW));
            dc.SetBkColor(GetSysColor(COLOR_BTNSHADOW));
            dc.SetTextColor(RGB(255, 255, 255));
        } else {
            dc.FillRect(cell, GetSysColorBrush(COLOR_BTNFACE));
            dc.SelectObject(lines);
            dc.MoveTo(cell.right - 1, cell.top);
            dc.LineTo(cell.right - 1, cell.bottom - 1);
            dc.LineTo(cell.left - 1, cell.bottom - 1);
            dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
            dc.SetTextColor(RGB(0, 0, 0));
        }
        const Ovo::String label = mGrid.GetRowLabel(row + rowOrigin, rowOrigin);
        cell = OWL::TRect(cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1);
        widest = std::max(widest, dc.GetTextExtent(label.c_str(), label.Length()).cx);
        const DWORD flags =
            row < pane.RowCount()
                ? ReadCellFlags(mGrid.DataSource(), mGrid.TableId(), static_cast<DWORD>(row + rowOrigin),
                                static_cast<DWORD>(mGrid.ColumnOrigin() - 1))
                : 0x20;
        dc.DrawText(label.c_str(), label.Length(), cell,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | ((flags & 0x1) ? DT_LEFT : DT_CENTER));
    }
    dc.RestoreObjects();
    // A label wider than the strip widens it once; the grid is laid out again.
    if (widest + 2 > mGrid.RowNumberWidth())
        mGrid.SetRowNumberWidth(widest + 2);
}

} // namespace TVF_Grid
