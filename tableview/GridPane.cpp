#include "tableview/GridPane.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/owl/TMemoryDC.h"
#include "platform/user/scroll_window.h"
#include "platform/user/user.h"
#include "tableview/GridControl.h"

namespace TVF_Grid {

GridPane::GridPane(GridControl& grid)
    : OWL::TWindow(&grid, u""), mGrid(grid), mLastResized(INT_MAX), mRenderer(&grid) {
    Attr.Style = WS_CHILD | WS_VISIBLE;
}

GridPane::~GridPane() {
    mEnding = true;
    mRetired.clear();
    mEditing = Editing{};
}

// Geometry.

int GridPane::ColumnAtX(int x) const {
    for (int i = 0; i < ColumnCount(); ++i)
        if (Column(i).Left() <= x && x <= Column(i).Right())
            return i;
    return ColumnCount() - 1;
}

int GridPane::LastScrollableFirstColumn() const {
    const int width = GetClientRect().Width();
    int sum = 0;
    for (int i = ColumnCount() - 1; i >= 0; --i) {
        sum += Column(i).Width() + 1;
        if (sum > width)
            return std::min(i + 1, ColumnCount() - 1);
    }
    return 0;
}

int GridPane::FullyVisibleColumnCount() const {
    const int width = GetClientRect().Width();
    int sum = 0;
    int n = 0;
    for (int i = mFirstColumn; i < ColumnCount(); ++i) {
        sum += Column(i).Width() + 1;
        if (sum > width)
            break;
        ++n;
    }
    if (n == 0 && mFirstColumn == 0 && ColumnCount() > 0)
        return 1;
    return n;
}

int GridPane::ColumnWidthFrom(int first) const {
    int sum = 0;
    for (int i = std::max(first, 0); i < ColumnCount(); ++i)
        sum += Column(i).Width() + 1;
    return sum;
}

int GridPane::SumOfMinimumWidths(int n) const {
    int sum = 0;
    for (int i = 0; i < std::min(n, ColumnCount()); ++i)
        sum += Column(i).MinimumWidth();
    return sum;
}

int GridPane::VisiblePageWidth() const {
    if (ColumnCount() == 0 || mFirstColumn >= ColumnCount())
        return 0;
    return Column(ColumnCount() - 1).Right() - Column(mFirstColumn).Left() + 1;
}

int GridPane::FullyVisibleWidth() const {
    int sum = 0;
    const int end = std::min(mFirstColumn + FullyVisibleColumnCount(), ColumnCount());
    for (int i = mFirstColumn; i < end; ++i)
        sum += Column(i).Width() + 1;
    return sum;
}

std::pair<int, int> GridPane::GetVisibleRows() const {
    return {mTopRow, std::min(mRowCount, mTopRow + mVisibleRows)};
}

std::optional<OWL::TRect> GridPane::CellRect(int row, int col) const {
    const auto [first, end] = GetVisibleRows();
    if (row < first || row >= end || col < mFirstColumn || col >= ColumnCount())
        return std::nullopt;
    const int left = Column(col).Left() - mHOffset;
    if (left >= GetClientRect().Width())
        return std::nullopt;
    const int top = (row - mTopRow) * mRowHeight;
    return OWL::TRect(left, top, left + Column(col).Width(), top + mRowHeight);
}

bool GridPane::InsideData(const OWL::TPoint& p) const {
    if (ColumnCount() == 0 || p.x < 0 || p.y < 0)
        return false;
    return p.x < Column(ColumnCount() - 1).Right() - mHOffset && p.y < mRowHeight * mRowCount - mVOffset;
}

std::optional<std::pair<int, int>> GridPane::CellAt(const OWL::TPoint& p) const {
    if (!InsideData(p))
        return std::nullopt;
    return std::pair{RowAtY(p.y), ColumnAtX(p.x + mHOffset)};
}

OWL::TSize GridPane::BufferSize() const {
    return mBuffer ? OWL::TSize{mBuffer->Width(), mBuffer->Height()} : OWL::TSize{0, 0};
}

// Rows and columns.

void GridPane::SetRowCount(int n) {
    const int old = mRowCount;
    mRowCount = n;
    InvalidateRows(std::min(old, n), std::max(old, n));
}

void GridPane::InvalidateRows(int first, int last) {
    if (!IsWindow())
        return;
    if (first > last)
        std::swap(first, last);
    const OWL::TRect client = GetClientRect();
    InvalidateRect(
        {0, first * mRowHeight - mVOffset, client.right, last * mRowHeight - mVOffset + mRowHeight}, true);
}

void GridPane::InvalidateCell(int row, int col) {
    if (const auto rect = CellRect(row, col); rect && IsWindow())
        InvalidateRect(*rect, true);
}

void GridPane::AddColumn(std::unique_ptr<GridColumn> column) {
    column->SetPane(this);
    column->SetLeft(mColumns.empty() ? 0 : mColumns.back()->Right() + 1);
    mColumns.push_back(std::move(column));
}

void GridPane::ClearColumns() {
    mColumns.clear();
    mFirstColumn = 0;
    mHOffset = 0;
}

void GridPane::RelayoutColumnsFrom(int index) {
    for (int i = std::max(index, 1); i < ColumnCount(); ++i)
        Column(i).SetLeft(Column(i - 1).Right() + 1);
}

void GridPane::ResizeColumn(int index, int newRight) {
    if (index < 0 || index >= ColumnCount())
        return;
    GridColumn& column = Column(index);
    int first = index;
    if (newRight <= column.Right()) {
        int shrink = column.Right() - newRight;
        for (int i = index; i >= 0 && shrink > 0; --i) {
            GridColumn& c = Column(i);
            if (!c.IsResizable())
                continue;
            const int take = std::min(shrink, c.Width() - c.MinimumWidth());
            if (take > 0) {
                c.SetWidth(c.Width() - take);
                shrink -= take;
                first = i;
            }
        }
    } else {
        for (int i = index; i >= 0; --i)
            if (Column(i).IsResizable()) {
                Column(i).SetWidth(Column(i).Width() + newRight - column.Right());
                first = i;
                break;
            }
    }
    RelayoutColumnsFrom(first);
    mWidestRight = std::max(mWidestRight, Column(ColumnCount() - 1).Right());
    mLastResized = std::min(mLastResized, index);
}

void GridPane::ResetResizeTracking(int marker, int widestRight) {
    mLastResized = marker;
    mWidestRight = widestRight;
}

void GridPane::ScrollContents(int dx, int dy) {
    if (!IsWindow())
        return;
    const OWL::TRect client = GetClientRect();
    if (std::abs(dx) < client.Width() && std::abs(dy) < client.Height())
        ScrollWindowEx(GetHandle(), dx, dy, nullptr, nullptr, nullptr, nullptr,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    else
        Invalidate(true);
}

void GridPane::ScrollToTop(int row, bool keepLastPageFull) {
    if (row == mTopRow)
        return;
    if (row >= mRowCount)
        row = mRowCount - 1;
    if (mFirstColumn >= 0 && mFirstColumn < ColumnCount() && keepLastPageFull &&
        mRowCount - row < mVisibleRows)
        row = std::max(0, mRowCount - mVisibleRows);
    row = std::max(row, 0);
    if (row == mTopRow)
        return;
    const int dy = (mTopRow - row) * mRowHeight;
    mTopRow = row;
    mHOffset = mFirstColumn < ColumnCount() ? Column(mFirstColumn).Left() : 0;
    mVOffset = mRowHeight * mTopRow;
    ScrollContents(0, dy);
}

void GridPane::SetFirstColumn(int col) {
    if (col == mFirstColumn || std::max(col, 0) >= ColumnCount())
        return;
    col = std::min(std::max(col, 0), LastScrollableFirstColumn());
    const int dx = Column(col).Left() - Column(mFirstColumn).Left();
    mFirstColumn = col;
    mHOffset = Column(col).Left();
    mVOffset = mTopRow * mRowHeight;
    ScrollContents(-dx, 0);
    if (IsWindow())
        UpdateWindow();
}

// Painting.

void GridPane::Paint(OWL::TDC& dc, bool, OWL::TRect& rect) {
    const OWL::TRect client = GetClientRect();
    if (!mBuffer || mBuffer->Width() < client.Width() || mBuffer->Height() < client.Height()) {
        HDC screen = GetDC(nullptr);
        mBuffer = std::make_unique<OWL::TBitmap>(
            CreateCompatibleBitmap(screen, client.Width(), client.Height()), true);
        ReleaseDC(nullptr, screen);
    }
    OWL::TMemoryDC memory(dc);
    memory.SelectObject(*mBuffer);
    FillRect(memory, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (ColumnCount() == 0)
        return;
    const int firstCol = ColumnAtX(rect.left + mHOffset);
    const int lastCol = ColumnAtX(rect.right + mHOffset);
    const int firstRow = (rect.top + mVOffset) / mRowHeight;
    const int endRow = std::min((rect.bottom + mVOffset + mRowHeight - 1) / mRowHeight, mRowCount);
    mRenderer->OnPaintStart(memory);
    OWL::TPen lines(GetSysColor(COLOR_3DLIGHT));
    for (int c = firstCol; c <= lastCol; ++c)
        PaintColumn(memory, lines, c, firstRow, endRow);
    mRenderer->OnPaintEnd(memory);
    dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), memory, rect.left, rect.top, SRCCOPY);
}

void GridPane::PaintColumn(OWL::TDC& dc, const OWL::TPen& lines, int c, int firstRow, int endRow) {
    const GridColumn& column = Column(c);
    const int rowOrigin = mGrid.RowOrigin();
    const int colOrigin = mGrid.ColumnOrigin();
    const OWL::TRect client = GetClientRect();
    mGrid.OnColumnPaint(column.DataColumn() + colOrigin, colOrigin);
    mRenderer->OnPaintColumn(dc, column);
    const int left = column.Left() - mHOffset;
    const int right = left + column.Width();
    dc.SelectObject(lines);
    if (mGridLines) {
        dc.MoveTo(right, 0);
        dc.LineTo(right, client.bottom);
    }
    const GridPos end{endRow + rowOrigin, rowOrigin};
    std::unique_ptr<RowPosCursor> cells =
        column.CreateRowCursor(firstRow + rowOrigin, rowOrigin, c + colOrigin, colOrigin);
    cells->SetEnd(end);
    dc.SelectObject(mGrid.CellFont());
    int widestCell = 0;
    int widestText = 0;
    const bool hooks =
        mRenderer->DrawCells(dc, column, {left, 0, right, client.bottom}, *cells, widestCell, widestText);
    std::unique_ptr<RowPosCursor> rows =
        column.CreateRowCursor(firstRow + rowOrigin, rowOrigin, c + colOrigin, colOrigin);
    rows->SetEnd(end);
    for (; rows->HasMore(); rows->Next()) {
        if (mGridLines) {
            dc.SelectObject(lines);
            dc.MoveTo(0, rows->Bottom() - 1);
            dc.LineTo(client.right, rows->Bottom() - 1);
        }
        const int row = rows->Row().index;
        if (!hooks || row - rowOrigin >= mRowCount || c >= ColumnCount() ||
            mGrid.GetCellKind(row, rowOrigin, c + colOrigin, colOrigin) == 1)
            continue;
        const int kind = mGrid.GetCellKind(row, rowOrigin, c + colOrigin, colOrigin);
        mRenderer->OnPaintRow(dc, row, rowOrigin);
        mRenderer->PrepareCellColours(dc, row, rowOrigin, c + colOrigin, colOrigin, kind, nullptr);
        mRenderer->OnCellPainted(dc, row, rowOrigin, c + colOrigin, colOrigin,
                                 mGrid.Selection().Range().Contains(row, c + colOrigin));
    }
    dc.RestoreObjects();
}

} // namespace TVF_Grid
