#include "tableview/GridControl.h"

#include <algorithm>
#include <locale>
#include <sstream>

#include "controls/Fonts.h"
#include "platform/user/metrics_api.h"
#include "platform/user/user.h"
#include "tableview/GridPane.h"
#include "tableview/GridScrollBars.h"
#include "tableview/GridTitleBar.h"
#include "tableview/RowNumbersPane.h"
#include "tableview/SnapGadgetWindowBase.h"

namespace TVF_Grid {

Ovo::String ReadCellText(ITableDataManager* data, DWORD tableId, DWORD row, DWORD column) {
    Ovo::String text;
    IAutoOvoString* out = nullptr;
    if (data != nullptr && SUCCEEDED(data->GetCellText(tableId, row, column, &out)))
        text.AssignAndRelease(out);
    else if (out != nullptr)
        out->Release();
    return text;
}

DWORD ReadCellFlags(ITableDataManager* data, DWORD tableId, DWORD row, DWORD column, DWORD initial) {
    DWORD flags = initial;
    if (data != nullptr)
        data->GetCellFlags(tableId, row, column, &flags);
    return flags;
}

std::int32_t ParseListIndex(const Ovo::String& text) {
    std::istringstream in(text.Narrow());
    in.imbue(std::locale::classic());
    long long value = 0;
    if (!(in >> value) || value < INT32_MIN || value > INT32_MAX)
        return static_cast<std::int32_t>(kNotAListIndex);
    return static_cast<std::int32_t>(value);
}

void DrawRaisedEdge(HDC dc, const OWL::TRect& box) {
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ old = SelectObject(dc, light);
    MoveToEx(dc, box.left, box.bottom - 1, nullptr);
    LineTo(dc, box.left, box.top);
    LineTo(dc, box.right - 1, box.top);
    SelectObject(dc, shadow);
    LineTo(dc, box.right - 1, box.bottom - 1);
    LineTo(dc, box.left - 1, box.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(light);
    DeleteObject(shadow);
}

namespace {

std::unique_ptr<OWL::TFont> MakeFont(int& height) {
    HDC screen = GetDC(nullptr);
    GuiFont font;
    MakeGuiFont(screen, font, 10, false);
    ReleaseDC(nullptr, screen);
    height = font.metrics.tmHeight;
    return std::move(font.font);
}

} // namespace

GridControl::GridControl(OWL::TWindow* parent) : OWL::TWindow(parent, u"") {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP;
    mPane = new GridPane(*this);
    mTitleBar = new GridTitleBar(*this);
    mRowNumbers = new RowNumbersPane(*this);
    mVBar = new GridVScrollBar(*this);
    mHBar = new GridHScrollBar(*this);
    mVBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    mHBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    int cellHeight = 0;
    mCellFont = MakeFont(cellHeight);
    mHeaderFont = MakeFont(mHeaderFontHeight);
    mHeaderHeight = mHeaderFontHeight + 3;
    ResetSelection();
}

GridControl::~GridControl() {
    delete mPane;
    delete mTitleBar;
    delete mVBar;
    delete mHBar;
    delete mRowNumbers;
    delete mSnap;
}

DEFINE_RESPONSE_TABLE1(GridControl, OWL::TWindow)
EV_WM_WINDOWPOSCHANGED, EV_WM_ERASEBKGND, EV_WM_CONTEXTMENU, EV_WM_LBUTTONDOWN,
    EV_COMMAND(kToggleLatestCommand, CmToggleLatest), END_RESPONSE_TABLE;

void GridControl::SetupWindow() {
    OWL::TWindow::SetupWindow();
    if (mShowSnapToolbar)
        CreateSnapToolbar();
    UpdateVerticalRange();
}

int GridControl::RowCount() const {
    return mPane->RowCount();
}

int GridControl::ColumnCount() const {
    return mPane->ColumnCount();
}

int GridControl::RowNumberWidth() const {
    return std::max(mRowNumbers->Width(), 0);
}

void GridControl::SetRowNumberWidth(int width) {
    mRowNumbers->SetWidth(width);
    if (IsWindow()) {
        LayoutPanes();
        InvalidateAll();
    }
}

void GridControl::CreateSnapToolbar() {
    delete mSnap;
    mSnap = new SnapGadgetWindowBase(this);
    mSnap->Create();
    mSnap->MoveWindow(0, 0, mVBarWidth, mSnap->GetDesiredSize().cy, false);
    mSnap->SetPressed(mAlwaysShowLatest);
    mSnap->ShowWindow(mVBarShown ? SW_SHOW : SW_HIDE);
    LayoutPanes();
}

void GridControl::SetAlwaysShowLatest(bool on) {
    mAlwaysShowLatest = on;
    if (mSnap != nullptr)
        mSnap->SetPressed(on);
}

void GridControl::CmToggleLatest() {
    mAlwaysShowLatest = !mAlwaysShowLatest;
    if (mSnap != nullptr)
        mSnap->SetPressed(mAlwaysShowLatest);
    if (mActions != nullptr && ColumnCount() > 0)
        mActions->OnAlwaysShowLatestToggled(mTableId, mAlwaysShowLatest ? SHORT(-1) : SHORT(0));
}

void GridControl::SetTableSources(DWORD tableId, ITableDataManager* data, ITableStoredRowInfo* rows,
                                  ITableUserActionHandler* actions, IListGenerator* lists) {
    mTableId = tableId;
    mData = data;
    mRows = rows;
    mActions = actions;
    mLists = lists;
}

void GridControl::SetStyle(DWORD style, bool mainGrid) {
    mEditAsText = (style & 0x1) != 0;
    const bool rowMode = (style & 0x8) != 0;
    mColumnMoving = (style & 0x10) != 0;
    if (style & 0x80)
        mHBarAllowed = false;
    mStyleBit8 = (style & 0x100) != 0;
    if (mainGrid && (style & 0x200) && !mShowSnapToolbar) {
        mShowSnapToolbar = true;
        if (IsWindow()) // a style set after creation
            CreateSnapToolbar();
    }
    if (rowMode != mRowMode) {
        mRowMode = rowMode;
        ResetSelection();
    }
}

void GridControl::SetHorizontalBarAllowed(bool allowed) {
    if (allowed == mHBarAllowed)
        return;
    mHBarAllowed = allowed;
    UpdateScrollBars(true);
}

void GridControl::SetColumnSource(int count, int origin) {
    mSourceColumns = count;
    mSourceOrigin = origin;
}

DWORD GridControl::CellFlags(int row, int dataColumn) const {
    return ReadCellFlags(mData, mTableId, static_cast<DWORD>(row),
                         static_cast<DWORD>(dataColumn + mColumnOrigin));
}

int GridControl::ChooseFromList(DWORD row, DWORD column, HWND owner) const {
    DWORD count = 0;
    if (mActions == nullptr || mLists == nullptr || FAILED(mLists->GetItemCount(0, row, column, &count)) ||
        count == 0)
        return -1;
    HMENU menu = CreatePopupMenu();
    for (DWORD i = 0; i < count; ++i) {
        IAutoOvoString* out = nullptr;
        Ovo::String text;
        if (SUCCEEDED(mLists->GetItemText(0, row, column, i, &out)))
            text.AssignAndRelease(out);
        AppendMenuW(menu, MF_STRING, i + 1, text.c_str());
    }
    POINT at{0, 0};
    GetCursorPos(&at);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen == 0 ? -1 : static_cast<int>(chosen) - 1;
}

void GridControl::ResetSelection() {
    mSelection = std::make_unique<GridSelection>(*this, mRowMode);
}

void GridControl::InvalidateAll() {
    if (!IsWindow())
        return;
    Invalidate(true);
    for (OWL::TWindow* child : {static_cast<OWL::TWindow*>(mRowNumbers), static_cast<OWL::TWindow*>(mPane),
                                static_cast<OWL::TWindow*>(mTitleBar)})
        if (child->IsWindow())
            child->Invalidate(true);
}

void GridControl::SelectionChanged() {
    mPane->EndEditing(false);
    InvalidateAll();
}

// Layout.

void GridControl::EvWindowPosChanged(const WINDOWPOS&) {
    const OWL::TRect client = GetClientRect();
    mClientWidth = client.Width();
    mClientHeight = client.Height();
    mHeaderHeight = mHeaderFontHeight + 3;
    mCellAreaWidth = mClientWidth - RowNumberWidth() - 1;
    mCellAreaHeight = mClientHeight - mHeaderHeight - 1;
    UpdateScrollBars(false);
    LayoutPanes();
    InvalidateCorners();
    DefaultProcessing();
}

void GridControl::InvalidateCorners() {
    const int rn = RowNumberWidth();
    const int cw = mClientWidth;
    const int ch = mClientHeight;
    const OWL::TRect boxes[] = {{1, 1, rn + 1, mHeaderHeight + 1},
                                {cw - mVBarWidth, 1, cw, mHeaderHeight + 1},
                                {1, ch - mHBarHeight, rn + 1, ch},
                                {cw - mVBarWidth, ch - mHBarHeight, cw, ch},
                                {0, 0, cw, 1},
                                {0, 0, 1, ch}};
    for (const OWL::TRect& box : boxes)
        InvalidateRect(box, true);
}

void GridControl::LayoutPanes() {
    if (!mVBar->IsWindow() || !mHBar->IsWindow())
        return;
    const int rn = RowNumberWidth();
    mHeaderHeight = mHeaderFontHeight + 3;
    mCellAreaHeight = mClientHeight - mHeaderHeight - 1;
    mCellAreaWidth = mClientWidth - rn - 1;
    const int h = mHBarShown ? mHBarHeight : 0;
    const int v = mVBarShown ? mVBarWidth : 0;
    const int gridHeight = mCellAreaHeight - h;
    const int gridWidth = mCellAreaWidth - v;
    if (mVBarShown) {
        int t = 0;
        if (mSnap != nullptr && mSnap->IsWindow()) {
            t = mSnap->GetWindowRect().Height();
            mSnap->MoveWindow(mClientWidth - v - 1, mHeaderHeight - t + gridHeight + 2, v, t, true);
        }
        mVBar->MoveWindow(mClientWidth - v, mHeaderHeight + 1, v, gridHeight - t + 2, true);
    }
    if (mHBarShown)
        mHBar->MoveWindow(rn + 1, mClientHeight - h, gridWidth, h, true);
    mPane->MoveWindow(rn + 1, mHeaderHeight + 1, gridWidth, gridHeight, true);
    mRowNumbers->MoveWindow(1, mHeaderHeight + 1, std::max(0, std::min(rn, mClientWidth - v)), gridHeight,
                            true);
    mTitleBar->MoveWindow(rn + 1, 1, gridWidth, mHeaderHeight, true);
    if (mVBarShown)
        UpdateVerticalRange();
    if (mHBarShown)
        UpdateHorizontalRange();
}

void GridControl::UpdateScrollBars(bool relayout) {
    if (!mVBar->IsWindow() || !mHBar->IsWindow())
        return;
    const int h = mHBarShown ? mHBarHeight : 0;
    const bool needV = mPane->TopRow() != 0 ||
                       (mPane->RowCount() - mPane->TopRow()) * mPane->RowHeight() > mCellAreaHeight - h;
    if (needV != mVBarShown) {
        mVBarShown = needV;
        mVBar->ShowWindow(needV ? SW_SHOW : SW_HIDE);
        if (mSnap != nullptr && mSnap->IsWindow())
            mSnap->ShowWindow(needV ? SW_SHOW : SW_HIDE);
    }
    const int v = mVBarShown ? mVBarWidth : 0;
    const bool needH = mPane->FirstColumn() != 0 || mPane->TotalColumnWidth() > mCellAreaWidth - v;
    if ((needH && mHBarAllowed) != mHBarShown) {
        mHBarShown = needH && mHBarAllowed;
        mHBar->ShowWindow(mHBarShown ? SW_SHOW : SW_HIDE);
    }
    if (relayout)
        LayoutPanes();
}

void GridControl::UpdateVerticalRange() {
    if (!mVBar->IsWindow() || !mVBarShown)
        return;
    SCROLLINFO info{};
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = 0;
    info.nMax = std::max(mPane->RowCount() - 1, 0);
    info.nPage =
        static_cast<UINT>(std::max(0, std::min(mPane->RowCount() - mPane->TopRow(), mPane->VisibleRows())));
    mVBar->SetScrollInfo(&info, true);
}

void GridControl::UpdateHorizontalRange() {
    if (!mHBar->IsWindow() || !mHBarShown)
        return;
    SCROLLINFO info{};
    mHBar->GetScrollInfo(&info, SIF_RANGE);
    const int total = mPane->TotalColumnWidth();
    if (info.nMax != total) {
        info.fMask = SIF_RANGE;
        info.nMin = 0;
        info.nMax = total;
        mHBar->SetScrollInfo(&info, true);
    }
    // The page is the width of the columns shown whole from the first one, so
    // that the bar can still move while the last column is cut off.
    if (const int page = mPane->FullyVisibleWidth(); page > 0) {
        info.fMask = SIF_PAGE;
        info.nPage = static_cast<UINT>(page);
        mHBar->SetScrollInfo(&info, true);
    }
}

// Rows.

void GridControl::ScrollToRow(int row, int origin) {
    if (origin > row || origin < 0)
        return;
    mPane->ScrollToTop(row - origin, true);
    mVBar->SetPosition(mPane->TopRow(), true);
    mRowNumbers->FollowScroll();
}

void GridControl::ScrollRows(int delta) {
    ScrollToRow(mPane->TopRow() + mRowOrigin + delta, mRowOrigin);
}

bool GridControl::IsRowVisible(int row, int origin) const {
    const auto [first, end] = mPane->GetVisibleRows();
    return first <= row - origin && row - origin < end;
}

void GridControl::EnsureRowVisible(int row, int origin) {
    if (row < 0 || origin < 0)
        return;
    const int h = mPane->VisibleRows() - 1;
    if (row - origin < h)
        ScrollToRow(origin, origin);
    else
        ScrollToRow(row - h, origin);
}

// After a shrink that leaves the top row past the last full page the grid
// scrolls back one page; when that page would still show no row (a large
// shrink) it goes to the last page.
void GridControl::SetRowCount(int count, int origin) {
    const int rows = count - origin;
    if (mPane->RowCount() != rows)
        mPane->SetRowCount(rows);
    const int visible = mPane->VisibleRows();
    if (mPane->TopRow() > count - visible - origin) {
        int top = std::max(mPane->TopRow() - visible, 0);
        if (top >= rows)
            top = std::max(rows - visible, 0);
        ScrollToRow(top + mRowOrigin, mRowOrigin);
    }
    UpdateVerticalRange();
    UpdateScrollBars(true);
}

// Columns.

void GridControl::ApplyFirstColumn(int col) {
    mPane->SetFirstColumn(col);
    const int first = mPane->FirstColumn();
    mHBar->SetPosition(mPane->Column(first).Left(), true);
    if (mTitleBar->IsWindow())
        mTitleBar->Invalidate(true);
    OnFirstColumnChanged(first + mColumnOrigin, mColumnOrigin);
}

void GridControl::ScrollToColumn(int col, int origin) {
    const int count = mPane->ColumnCount();
    if (col < mColumnOrigin) {
        col = mColumnOrigin;
        origin = mColumnOrigin;
    } else if (col > count - 1 + mColumnOrigin) {
        col = count - 1 + mColumnOrigin;
        origin = mColumnOrigin;
    }
    if (count >= 1 && col - origin != mPane->FirstColumn())
        ApplyFirstColumn(col - origin);
}

void GridControl::ScrollColumns(int delta) {
    const int count = mPane->ColumnCount();
    const int target = std::clamp(mPane->FirstColumn() + mColumnOrigin + delta, mColumnOrigin,
                                  std::max(count - 1, 0) + mColumnOrigin);
    if (count >= 1 && target - mColumnOrigin != mPane->FirstColumn())
        ApplyFirstColumn(target - mColumnOrigin);
}

void GridControl::ScrollToColumnPixel(int pixel, bool alignToColumn) {
    const int count = mPane->ColumnCount();
    if (count == 0)
        return;
    int col = mPane->ColumnAtX(pixel);
    SCROLLINFO info{};
    mHBar->GetScrollInfo(&info, SIF_RANGE | SIF_PAGE);
    if (pixel + static_cast<int>(info.nPage) >= info.nMax && col != count - 1)
        col = mPane->LastScrollableFirstColumn();
    if (col != mPane->FirstColumn())
        ApplyFirstColumn(col);
    mHBar->SetPosition(alignToColumn ? mPane->Column(mPane->FirstColumn()).Left() : pixel, true);
}

bool GridControl::IsColumnVisible(int col, int origin) const {
    const int first = mPane->FirstColumn();
    return first <= col - origin && col - origin <= first + mPane->FullyVisibleColumnCount();
}

void GridControl::ResizeColumn(int col, int origin, int newRight) {
    const int index = col - origin;
    if (index < 0 || index >= mPane->ColumnCount())
        return;
    mPane->ResizeColumn(index, newRight);
    if (mPane->IsWindow())
        mPane->Invalidate(true);
    if (mTitleBar->IsWindow())
        mTitleBar->Invalidate(true);
    OnColumnResized(col, origin, mPane->Column(index).Width());
}

double GridControl::GetVerticalFraction() const {
    SCROLLINFO info{};
    mVBar->GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS);
    if (info.nMin == 0 && info.nMax == 0)
        return 0.0;
    return static_cast<double>(info.nPos + static_cast<int>(info.nPage) - info.nMin) /
           (info.nMax - info.nMin);
}

// Cells.

int GridControl::GetCellKind(int, int, int col, int colOrigin) {
    const int index = col - colOrigin;
    if (index < 0 || index >= mPane->ColumnCount())
        return 0;
    const GridColumn& column = mPane->Column(index);
    return column.IsGrey() ? 2 : column.Kind();
}

std::unique_ptr<CellData> GridControl::CreateCellData(int row, int, int col, int) {
    const DWORD flags = ReadCellFlags(mData, mTableId, static_cast<DWORD>(row), static_cast<DWORD>(col));
    const Ovo::String text = ReadCellText(mData, mTableId, static_cast<DWORD>(row), static_cast<DWORD>(col));
    if (flags & kChoiceCell) {
        auto data = std::make_unique<TVF_CellUint32Data>();
        data->SetValue(static_cast<std::uint32_t>(ParseListIndex(text)));
        return data;
    }
    auto data = std::make_unique<TVF_CellStringData>();
    data->SetText(text);
    return data;
}

void GridControl::PrepareCellColours(HDC dc, int row, int, int col, int, int state, const COLORREF* colour) {
    const bool selected = mSelection->Range().Contains(row, col);
    if (!mNoHighlight)
        SetBkColor(dc, selected ? (colour ? *colour : GetSysColor(COLOR_HIGHLIGHT)) : RGB(255, 255, 255));
    COLORREF text = RGB(0, 0, 0);
    if (state == 2)
        text = RGB(64, 64, 64);
    else if (colour != nullptr && (!selected || mNoHighlight))
        text = *colour;
    else if (selected && !mNoHighlight)
        text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    SetTextColor(dc, text);
}

Ovo::String GridControl::GetRowLabel(int row, int origin) {
    if (row - origin >= mPane->RowCount())
        return {};
    GridRenderer& renderer = mPane->Renderer();
    if (mCustomRowLabels && &renderer != this)
        return renderer.GetRowLabel(row, origin);
    return Ovo::String(std::to_string(row - origin + 1).c_str());
}

// Painting.

void GridControl::PaintFace(HDC dc, const OWL::TRect& box) const {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawRaisedEdge(dc, box);
}

void GridControl::Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) {
    const int rn = RowNumberWidth();
    const int cw = mClientWidth;
    const int ch = mClientHeight;
    const int v = mVBarShown ? mVBarWidth : 0;
    const int h = mHBarShown ? mHBarHeight : 0;
    PaintFace(dc, {1, 1, rn + 1, mHeaderHeight + 1});
    if (erase) {
        OWL::TRect inner = rect;
        inner.right = std::min(inner.right, cw - v);
        inner.bottom = std::min(inner.bottom, ch - h);
        if (!inner.IsEmpty())
            dc.FillRect(inner, GetSysColorBrush(COLOR_WINDOW));
    }
    if (mVBarShown)
        PaintFace(dc, {cw - v, 1, cw, mHeaderHeight + 1});
    if (mVBarShown && mHBarShown)
        PaintFace(dc, {cw - v, ch - h, cw, ch});
    if (mHBarShown)
        PaintFace(dc, {1, ch - h, rn + 1, ch});
    OWL::TPen shadow(GetSysColor(COLOR_BTNSHADOW));
    dc.SelectObject(shadow);
    dc.MoveTo(0, 0);
    dc.LineTo(cw, 0);
    dc.MoveTo(0, 0);
    dc.LineTo(0, ch);
    dc.RestorePen();
}

} // namespace TVF_Grid
