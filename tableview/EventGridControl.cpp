#include "tableview/EventGridControl.h"

#include <algorithm>

#include "platform/user/input_api.h"
#include "tableview/GridPane.h"

namespace TVF_Grid {

EventGridControl::EventGridControl(OWL::TWindow* parent) : GridControl(parent) {
    InternalAddRef(); // the window's own reference, never given back
}

EventGridControl::~EventGridControl() = default;

HRESULT EventGridControl::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ISubject, static_cast<ISubject*>(this)}}, iid, out);
}

// The constructor's reference keeps the count above zero.
ULONG EventGridControl::Release() {
    return InternalRelease();
}

void EventGridControl::Notify2(DWORD id, std::int32_t a, std::int32_t b) {
    GridNotice notice{{a, b}};
    Notify(id, reinterpret_cast<ULONG_PTR>(&notice));
}

void EventGridControl::OnFirstColumnChanged(int col, int origin) {
    if (mFirstColumn >= 0 && mFirstColumnOrigin >= 0 && mFirstColumn == col && mFirstColumnOrigin == origin)
        return;
    mFirstColumn = col;
    mFirstColumnOrigin = origin;
    UpdateScrollBars(true);
    if (HasColumns())
        Notify2(kFirstColumnChangedNotice, col, 0);
}

void EventGridControl::OnColumnResized(int col, int, int width) {
    UpdateScrollBars(true);
    if (HasColumns())
        Notify2(kColumnResizedNotice, col, width);
}

void EventGridControl::OnColumnMoved(int from, int, int to, int) {
    if (HasColumns())
        Notify2(kColumnMovedNotice, from, to);
}

void EventGridControl::OnClicked() {
    if (HasColumns())
        Notify(kClickedNotice, 0);
}

void EventGridControl::SetCellText(int row, int, int col, int, const Ovo::String& text) {
    if (ActionHandler() == nullptr || !HasColumns())
        return;
    Ovo::IOvoString* itf = text.GetInterface();
    ActionHandler()->OnCellTextEdited(TableId(), static_cast<DWORD>(row), static_cast<DWORD>(col), itf);
    itf->Release();
}

void EventGridControl::ChooseListItem(int kind, int row, int, int col, int, int index) {
    if (ActionHandler() != nullptr && HasColumns())
        ActionHandler()->OnListItemChosen(TableId(), static_cast<DWORD>(kind), static_cast<DWORD>(row),
                                          static_cast<DWORD>(col), static_cast<DWORD>(index));
}

void EventGridControl::ClearCell(int code, int row, int rowOrigin, int col, int colOrigin) {
    if (ActionHandler() == nullptr || !HasColumns())
        return;
    if (ActionHandler()->OnListItemChosen(static_cast<DWORD>(code), 1, static_cast<DWORD>(row),
                                          static_cast<DWORD>(col), 0) != 0)
        SetCellText(row, rowOrigin, col, colOrigin, Ovo::String());
}

// Keys.

GridPos EventGridControl::AnchorRowOr(const SelectionRange& range) const {
    const GridPos anchor = Selection().AnchorRow();
    return anchor.IsValid() && !anchor.IsTitle() ? anchor : range.rowStart;
}

GridPos EventGridControl::AnchorColumnOr(const SelectionRange& range) const {
    const GridPos anchor = Selection().AnchorColumn();
    return anchor.IsValid() && !anchor.IsTitle() ? anchor : range.colStart;
}

// Codes: 1 for a single cell; else 8, plus 2 for the first cell or plus 4
// for the last; rows outer, columns inner.
void EventGridControl::ClearSelectedCells() {
    const SelectionRange range = Selection().Range();
    const bool single = range.IsSingleCell();
    for (int r = range.rowStart.index; r < range.rowEnd.index; ++r)
        for (int c = range.colStart.index; c < range.colEnd.index; ++c) {
            int code = 1;
            if (!single) {
                const bool first = r == range.rowStart.index && c == range.colStart.index;
                const bool last = r == range.rowEnd.index - 1 && c == range.colEnd.index - 1;
                code = 8 + (first ? 2 : last ? 4 : 0);
            }
            ClearCell(code, r, range.rowStart.origin, c, range.colStart.origin);
        }
}

// Without Shift the single cell one step from the anchor (in row mode, from
// the selection's first row), kept within the rows or columns; with Shift
// the selection's edge on the side of the step grows by one while it can.
// Returns the row or column reached.
int EventGridControl::Step(bool rows, int step, bool shift) {
    GridSelection& selection = Selection();
    SelectionRange range = selection.Range();
    const int first = rows ? RowOrigin() : ColumnOrigin();
    const int last = (rows ? RowCount() : ColumnCount()) - 1 + first;
    if (!shift) {
        GridPos row = rows && RowSelectionMode() ? range.rowStart : AnchorRowOr(range);
        GridPos col = AnchorColumnOr(range);
        GridPos& moved = rows ? row : col;
        moved.index = std::clamp(moved.index + step, first, last);
        selection.SetRange(row, {row.index + 1, row.origin}, col, {col.index + 1, col.origin});
        return moved.index;
    }
    GridPos& start = rows ? range.rowStart : range.colStart;
    GridPos& end = rows ? range.rowEnd : range.colEnd;
    if (step > 0 && end.index <= last)
        ++end.index;
    else if (step < 0 && start.index > first)
        --start.index;
    selection.SetRange(range.rowStart, range.rowEnd, range.colStart, range.colEnd);
    return step > 0 ? end.index - 1 : start.index;
}

void EventGridControl::ExtendToRow(int row) {
    SelectionRange range = Selection().Range();
    if (!range.IsValid())
        return;
    range.IncludeRow({row, RowOrigin()});
    Selection().SetRange(range.rowStart, range.rowEnd, range.colStart, range.colEnd);
}

bool EventGridControl::OnKeyDown(UINT key, UINT, UINT) {
    if (!HasColumns() && (key == VK_LEFT || key == VK_RIGHT))
        return true;
    switch (key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_HOME:
    case VK_UP:
    case VK_PRIOR:
    case VK_DOWN:
    case VK_END:
    case VK_NEXT:
    case VK_TAB:
        if (RowCount() == 0)
            return true;
        break;
    default:
        break;
    }
    const bool shift = (static_cast<std::uint16_t>(GetKeyState(VK_SHIFT)) & 0x8000) != 0;
    const int o = RowOrigin();
    const auto [top, end] = Pane().GetVisibleRows();
    const int f = top + o;
    const int l = end + o;
    if (Pane().IsEditing()) {
        if (key != VK_ESCAPE && key != VK_TAB && key != VK_RETURN)
            return false;
        Pane().EditorKey(key);
        return true;
    }
    const SelectionRange& range = Selection().Range();
    const bool valid = range.IsValid();
    const bool single = valid && range.IsSingleCell();
    const DWORD flags = single ? CellFlags(range.rowStart.index, range.colStart.Inner()) : 0;
    if (key == VK_TAB && (flags & kTabMovesDown))
        key = VK_DOWN;
    switch (key) {
    case VK_BACK:
    case VK_DELETE:
        if (valid)
            ClearSelectedCells();
        return true;
    case VK_TAB:
    case VK_RIGHT:
    case VK_LEFT:
        if (!valid || RowSelectionMode()) {
            ScrollColumns(key == VK_LEFT ? -1 : 1);
        } else if (const int col = Step(false, key == VK_LEFT ? -1 : 1, shift);
                   !IsColumnVisible(col, ColumnOrigin())) {
            ScrollToColumn(col, ColumnOrigin());
        }
        return true;
    case VK_RETURN:
    case VK_DOWN:
    case VK_UP:
        if (!valid) {
            ScrollRows(key == VK_UP ? -1 : 1);
        } else if (const int row = Step(true, key == VK_UP ? -1 : 1, shift);
                   !IsRowVisible(row, RowOrigin())) {
            EnsureRowVisible(row, RowOrigin());
        }
        return true;
    case VK_ESCAPE:
        Selection().Clear();
        return true;
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT: {
        int target = o;
        if (key == VK_END)
            target = RowCount() + o;
        else if (key == VK_PRIOR)
            target = std::max(2 * f - l, o);
        else if (key == VK_NEXT)
            target = std::min(l, RowCount() - 1 + o);
        if (shift)
            ExtendToRow(std::min(target, RowCount() - 1 + o));
        ScrollToRow(target, o);
        return true;
    }
    default:
        if (single && (flags & kOpensOnTyping))
            Pane().StartEditing(range.rowStart.Inner(), range.colStart.Inner(), key);
        return false;
    }
}

} // namespace TVF_Grid
