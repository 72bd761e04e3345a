#include "tableview/GridSelection.h"

#include <algorithm>
#include <vector>

#include "platform/user/input_api.h"
#include "tableview/GridControl.h"

namespace TVF_Grid {

namespace {

bool KeyDown(int key) {
    return (static_cast<std::uint16_t>(GetAsyncKeyState(key)) & 0x8000) != 0;
}

// [min, max + 1) of two positions, in the origin of the second.
std::pair<GridPos, GridPos> Span(GridPos a, GridPos b) {
    return {{std::min(a.index, b.index), b.origin}, {std::max(a.index, b.index) + 1, b.origin}};
}

} // namespace

std::uint32_t GridSelection::ModifierKeys() {
    return (KeyDown(VK_LSHIFT) ? kShift : 0) | (KeyDown(VK_LCONTROL) ? kCtrl : 0);
}

SelectionRange GridSelection::Whole(bool columns, GridPos from, GridPos to) const {
    const auto [start, end] = Span(from, to);
    if (columns) {
        const int origin = mGrid.RowOrigin();
        return {{origin, origin}, {mGrid.RowCount() + origin, origin}, start, end};
    }
    const int origin = mGrid.ColumnOrigin();
    return {start, end, {origin, origin}, {mGrid.ColumnCount() + origin, origin}};
}

SelectionRange GridSelection::PressTitle(const SelectionRange& old, GridPos row, GridPos col,
                                         std::uint32_t modifiers, bool columns) {
    const GridPos pressed = columns ? col : row;
    if (modifiers & kShift) {
        const GridPos& anchor = columns ? mAnchorCol : mAnchorRow;
        if (!anchor.IsValid())
            SetAnchor(row, col);
        return Whole(columns, anchor, pressed);
    }
    SetAnchor(row, col);
    const SelectionRange line = Whole(columns, pressed, pressed);
    if (!(modifiers & kCtrl) || !old.IsValid())
        return line;
    SelectionRange grown = old;
    grown.Include(line.rowStart, line.colStart);
    grown.Include({line.rowEnd.index - 1, line.rowEnd.origin}, {line.colEnd.index - 1, line.colEnd.origin});
    return grown;
}

SelectionRange GridSelection::PressCell(const SelectionRange& old, GridPos row, GridPos col,
                                        std::uint32_t modifiers) {
    if (modifiers & kShift) {
        if (!mAnchorRow.IsValid() || !mAnchorCol.IsValid())
            SetAnchor(row, col);
        const auto [rowStart, rowEnd] = Span(mAnchorRow, row);
        const auto [colStart, colEnd] = Span(mAnchorCol, col);
        return {rowStart, rowEnd, colStart, colEnd};
    }
    SetAnchor(row, col);
    SelectionRange grown = (modifiers & kCtrl) && old.IsValid() ? old : SelectionRange{};
    grown.Include(row, col);
    return grown;
}

bool GridSelection::SelectAt(GridPos row, GridPos col, std::uint32_t modifiers) {
    mPressedRow = row;
    mPressedCol = col;
    mByMouse = true;
    const SelectionRange old = mRange;
    SelectionRange range;
    if (!mRowMode && row.IsTitle())
        range = PressTitle(old, row, col, modifiers, true);
    else if (!mRowMode && row.IsValid() && !col.IsTitle())
        range = PressCell(old, row, col, modifiers);
    else
        range = PressTitle(old, row, col, modifiers, false);
    if (range == old)
        return false;
    mRange = range;
    if (mRange.IsValid() && mRange.IsSingleCell())
        NotifyChanged();
    return true;
}

// In a stretched dimension the range runs from the pressed cell to the
// pointer, whichever side of the press the pointer is on; it never reaches
// before the first row or column.
bool GridSelection::ExtendTo(std::uint32_t modifiers, GridPos row, GridPos col) {
    if (!mPressedRow.IsValid() || !mPressedCol.IsValid())
        return false;
    if (modifiers & kRightButton)
        return SelectAt(row, col, modifiers);
    const bool stretchRows = col.IsTitle() || mRowMode || !row.IsTitle();
    const bool stretchCols = !mRowMode && !col.IsTitle();
    const SelectionRange old = mRange;
    if (stretchRows) {
        auto [start, end] = Span(mPressedRow, row);
        start.index = std::max(start.index, start.origin);
        mRange.rowStart = start;
        mRange.rowEnd = end;
    }
    if (stretchCols) {
        auto [start, end] = Span(mPressedCol, col);
        start.index = std::max(start.index, start.origin);
        mRange.colStart = start;
        mRange.colEnd = end;
    }
    if (mRange == old)
        return false;
    NotifyChanged();
    return true;
}

bool GridSelection::EndSelect(GridPos row, GridPos col, std::uint32_t modifiers) {
    if (ITableUserActionHandler* handler = mGrid.ActionHandler(); handler != nullptr && mGrid.HasColumns()) {
        const DWORD code = (modifiers & kRightButton) ? 4 : (modifiers & kDoubleClick) ? 2 : 1;
        const DWORD how = mGrid.TableId() | code;
        const bool valid = mRange.IsValid();
        if (valid && mRange.IsSingleCell())
            handler->OnCellActivated(how, static_cast<DWORD>(row.index), static_cast<DWORD>(col.index));
        else if (valid)
            NotifyChanged();
        if (row.IsTitle() || col.IsTitle())
            handler->OnCellActivated(how, static_cast<DWORD>(row.index), static_cast<DWORD>(col.index));
    }
    ForgetPressedCell();
    return false;
}

void GridSelection::Activate(GridPos row, GridPos col, std::uint32_t modifiers) {
    SelectAt(row, col, modifiers);
    EndSelect(row, col, modifiers);
}

bool GridSelection::SetRange(GridPos rowStart, GridPos rowEnd, GridPos colStart, GridPos colEnd) {
    if (mRowMode) {
        const int origin = mGrid.ColumnOrigin();
        colStart = {origin, origin};
        colEnd = {origin + mGrid.ColumnCount(), origin};
    }
    const SelectionRange range{rowStart, rowEnd, colStart, colEnd};
    if (range == mRange)
        return false;
    mRange = range;
    NotifyChanged();
    if (mRange.IsSingleCell()) {
        mAnchorRow = rowStart;
        mAnchorCol = colStart;
    }
    return true;
}

void GridSelection::Clear() {
    ForgetPressedCell();
    mAnchorRow = mAnchorCol = GridPos{};
    if (!mRange.IsValid())
        return;
    mRange = SelectionRange{};
    NotifyChanged();
}

void GridSelection::NotifyChanged() {
    mGrid.SelectionChanged();
    ITableUserActionHandler* handler = mGrid.ActionHandler();
    const bool valid = mRange.IsValid();
    if (handler != nullptr && mGrid.HasColumns()) {
        std::vector<TableCellRange> ranges;
        if (valid) {
            for (int c = mRange.colStart.index; c < mRange.colEnd.index; ++c)
                ranges.push_back({static_cast<DWORD>(c), static_cast<DWORD>(mRange.rowStart.index),
                                  static_cast<DWORD>(mRange.rowEnd.index)});
        } else {
            ranges.push_back({0, 0, 0});
        }
        const DWORD id = mGrid.TableId() + (mByMouse && valid ? 1 : 0);
        handler->OnSelectionChanged(id, ranges.data(), static_cast<DWORD>(ranges.size()));
    }
    mByMouse = false;
}

} // namespace TVF_Grid
