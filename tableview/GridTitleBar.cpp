#include "tableview/GridTitleBar.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/owl/TClientDC.h"
#include "platform/user/metrics_api.h"
#include "platform/user/user.h"
#include "tableview/GridControl.h"
#include "tableview/GridPane.h"

namespace TVF_Grid {

GridTitleBar::GridTitleBar(GridControl& grid) : OWL::TWindow(&grid, u""), mGrid(grid), mPane(grid.Pane()) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
}

DEFINE_RESPONSE_TABLE1(GridTitleBar, OWL::TWindow)
EV_WM_SETCURSOR, EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_LBUTTONDBLCLK, EV_WM_RBUTTONUP, EV_WM_CONTEXTMENU,
    EV_WM_MOUSEMOVE, EV_WM_ERASEBKGND, END_RESPONSE_TABLE;

int GridTitleBar::RightEdge(int col) const {
    return mPane.Column(col).Right() - mPane.HOffset();
}

GridPos GridTitleBar::TitleRow() const {
    return {mGrid.RowOrigin() - 1, mGrid.RowOrigin()};
}

GridPos GridTitleBar::ColPos(int col) const {
    return {col + mGrid.ColumnOrigin(), mGrid.ColumnOrigin()};
}

int GridTitleBar::ColumnAt(int x) const {
    for (int i = 0; i < mPane.ColumnCount(); ++i)
        if (RightEdge(i) - kBorder > x)
            return i;
    return -1;
}

int GridTitleBar::BorderAt(int x) const {
    for (int i = 0; i < mPane.ColumnCount(); ++i)
        if (std::abs(x - RightEdge(i)) < kBorder)
            return i;
    return -1;
}

int GridTitleBar::PressedColumnAt(int x) const {
    const int border = BorderAt(x);
    return border >= 0 ? border : ColumnAt(x);
}

bool GridTitleBar::EvSetCursor(HWND, UINT hitTest, UINT) {
    if (hitTest != HTCLIENT) {
        DefaultProcessing();
        return true;
    }
    OWL::TPoint p;
    GetCursorPos(&p);
    ScreenToClient(p);
    const bool border = mGrid.ColumnResizing() && BorderAt(p.x) >= 0;
    SetCursor(LoadCursorW(nullptr, border ? IDC_SIZEWE : IDC_ARROW));
    return true;
}

void GridTitleBar::EvLButtonDown(UINT, const OWL::TPoint& p) {
    SetFocus();
    const int border = BorderAt(p.x);
    mDragColumn = PressedColumnAt(p.x);
    if (mDragColumn < 0) {
        mGrid.Selection().Clear();
        return;
    }
    mGrid.Selection().MouseDown(TitleRow(), ColPos(mDragColumn));
    if (mGrid.ColumnResizing() && border >= 0) {
        mResizeStart = mPane.SumOfMinimumWidths(mDragColumn + 1);
        mResizing = true;
        mPressOffset = RightEdge(mDragColumn) - p.x;
        SetCapture();
        mPane.ResetResizeTracking(INT_MAX, mPane.Column(mPane.ColumnCount() - 1).Right());
    } else if (mGrid.ColumnMoving()) {
        mMoving = true;
        SetCapture();
        PaintMovingTitle(p.x);
    }
}

void GridTitleBar::EvMouseMove(UINT, const OWL::TPoint& p) {
    if (mResizing) {
        mPane.ResizeColumn(mDragColumn, p.x + mPressOffset + mPane.HOffset());
        mPane.Invalidate(true);
        Invalidate(true);
        return;
    }
    if (mMoving) {
        Invalidate(true);
        UpdateWindow();
        PaintMovingTitle(p.x);
        return;
    }
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    const std::uint32_t modifiers = GridSelection::ModifierKeys();
    if (!(static_cast<std::uint16_t>(GetAsyncKeyState(button)) & 0x8000) || modifiers != 0 ||
        mPane.ColumnCount() == 0)
        return;
    int col = ColumnAt(p.x);
    if (col < 0)
        col = mPane.ColumnCount() - 1;
    mGrid.Selection().ExtendTo(modifiers, TitleRow(), ColPos(col));
    if (col >= mPane.FirstColumn() + mPane.FullyVisibleColumnCount())
        mGrid.ScrollColumns(1);
}

void GridTitleBar::EvLButtonUp(UINT, const OWL::TPoint& p) {
    if (mResizing) {
        ReleaseCapture();
        mResizing = false;
        const int origin = mGrid.ColumnOrigin();
        mGrid.ResizeColumn(mDragColumn + origin, origin, p.x + mPressOffset + mPane.HOffset());
        return;
    }
    int col = ColumnAt(p.x);
    if (mMoving) {
        ReleaseCapture();
        mMoving = false;
        Invalidate(true);
        if (col >= 0 && col != mDragColumn) {
            const int origin = mGrid.ColumnOrigin();
            mGrid.OnColumnMoved(mDragColumn + origin, origin, col + origin, origin);
            return;
        }
        col = mDragColumn;
    }
    if (col < 0)
        col = mPane.ColumnCount() - 1;
    if (col >= 0)
        mGrid.Selection().MouseUp(TitleRow(), ColPos(col));
}

void GridTitleBar::EvLButtonDblClk(UINT, const OWL::TPoint& p) {
    const int col = PressedColumnAt(p.x);
    if (col < 0) {
        mGrid.Selection().Clear();
        return;
    }
    mGrid.Selection().Activate(TitleRow(), ColPos(col), GridSelection::ModifierKeys() | kDoubleClick);
}

void GridTitleBar::EvRButtonUp(UINT, const OWL::TPoint& p) {
    const int col = ColumnAt(p.x);
    if (col < 0) {
        mGrid.Selection().Clear();
        return;
    }
    mGrid.Selection().Activate(TitleRow(), ColPos(col), GridSelection::ModifierKeys() | kRightButton);
    DefaultProcessing();
}

void GridTitleBar::EvContextMenu(HWND, const OWL::TPoint& screen) {
    OWL::TPoint p = screen;
    ScreenToClient(p);
    const int col = ColumnAt(p.x);
    if (col < 0)
        return;
    const GridPos row = TitleRow();
    const GridPos column = ColPos(col);
    const int item =
        mGrid.ChooseFromList(static_cast<DWORD>(row.index), static_cast<DWORD>(column.index), GetParentH());
    if (item >= 0)
        mGrid.ChooseListItem(2, row.index, row.origin, column.index, column.origin, item);
}

// Painting.

void GridTitleBar::FitTitles(OWL::TDC& dc) {
    const int origin = mGrid.ColumnOrigin();
    for (int i = mPane.FirstColumn(); i < mPane.ColumnCount(); ++i) {
        GridColumn& column = mPane.Column(i);
        if (column.IsFitted() || column.SizeMode() != 3)
            continue;
        const int width = dc.GetTextExtent(column.Title().c_str(), column.Title().Length()).cx;
        mGrid.ResizeColumn(i + origin, origin, column.Left() + width);
        column.SetSizeMode(0);
    }
}

void GridTitleBar::PaintTitle(OWL::TDC& dc, int col, const OWL::TRect& client, bool selected) const {
    const GridColumn& column = mPane.Column(col);
    const int left = column.Left() - mPane.HOffset();
    const int right = left + column.Width();
    OWL::TPen light(GetSysColor(COLOR_BTNHIGHLIGHT));
    OWL::TPen shadow(GetSysColor(COLOR_BTNSHADOW));
    dc.SelectObject(light);
    dc.MoveTo(left, 0);
    dc.LineTo(left, client.bottom);
    const OWL::TRect text(left + 1, 0, right, client.bottom - 1);
    dc.SetTextColor(selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    dc.SetBkColor(GetSysColor(selected ? COLOR_BTNSHADOW : COLOR_BTNFACE));
    const Ovo::String* title = &column.Title();
    int x = (left + right) / 2;
    UINT align = TA_CENTER | TA_TOP;
    if (dc.GetTextExtent(title->c_str(), title->Length()).cx > column.Width()) {
        const Ovo::String& shortTitle = column.ShortTitle();
        if (!shortTitle.IsEmpty() &&
            dc.GetTextExtent(shortTitle.c_str(), shortTitle.Length()).cx <= column.Width()) {
            title = &shortTitle;
        } else {
            x = left + 1;
            align = TA_LEFT | TA_TOP;
        }
    }
    dc.SetTextAlign(align);
    dc.ExtTextOut(x, 1, ETO_OPAQUE | ETO_CLIPPED, &text, title->c_str(), title->Length());
    dc.SelectObject(shadow);
    dc.MoveTo(right, 0);
    dc.LineTo(right, client.bottom);
    dc.MoveTo(left, client.bottom - 1);
    dc.LineTo(right, client.bottom - 1);
    dc.RestorePen();
}

void GridTitleBar::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    const OWL::TRect client = GetClientRect();
    dc.SelectObject(mGrid.HeaderFont());
    if (mGrid.FitTitles())
        FitTitles(dc);
    dc.FillRect(client, GetSysColorBrush(COLOR_BTNFACE));
    const SelectionRange& range = mGrid.Selection().Range();
    const bool valid = range.IsValid();
    int end = 0;
    for (int i = 0; i < mPane.ColumnCount(); ++i) {
        PaintTitle(dc, i, client, valid && range.ContainsColumn(i + mGrid.ColumnOrigin()));
        end = RightEdge(i);
    }
    OWL::TPen shadow(GetSysColor(COLOR_BTNSHADOW));
    dc.SelectObject(shadow);
    dc.MoveTo(end, client.bottom - 1);
    dc.LineTo(client.right, client.bottom - 1);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.RestoreObjects();
}

void GridTitleBar::PaintMovingTitle(int x) {
    if (mDragColumn < 0 || mDragColumn >= mPane.ColumnCount())
        return;
    const GridColumn& column = mPane.Column(mDragColumn);
    OWL::TClientDC dc(GetHandle());
    const OWL::TRect client = GetClientRect();
    const OWL::TRect box(x - column.Width() / 2, 0, x - column.Width() / 2 + column.Width(), client.bottom);
    dc.SelectObject(mGrid.HeaderFont());
    dc.SetBkColor(GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    const OWL::TRect inner(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1);
    dc.ExtTextOut(x, 1, ETO_OPAQUE | ETO_CLIPPED, &inner, column.Title().c_str(), column.Title().Length());
    DrawRaisedEdge(dc, box);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
}

} // namespace TVF_Grid
