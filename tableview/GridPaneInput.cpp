// The grid pane's mouse, keys and in-cell editing.

#include <algorithm>

#include "platform/user/metrics_api.h"
#include "platform/user/user.h"
#include "tableview/GridControl.h"
#include "tableview/GridPane.h"
#include "tableview/RowNumbersPane.h"

namespace TVF_Grid {

namespace {

// Frees the editors of ended edits once no message of theirs is being answered.
constexpr UINT kFreeRetired = WM_APP + 0x21;

bool PrimaryButtonDown() {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (static_cast<std::uint16_t>(GetAsyncKeyState(button)) & 0x8000) != 0;
}

// The character a key puts into a new editor, or 0.
char16_t SeedCharacter(UINT key) {
    if (key >= '0' && key <= '9')
        return static_cast<char16_t>(key);
    if (key >= 'A' && key <= 'Z')
        return static_cast<char16_t>(key - 'A' + 'a');
    if (key >= static_cast<UINT>(VK_NUMPAD0) && key <= static_cast<UINT>(VK_NUMPAD0 + 9))
        return static_cast<char16_t>(u'0' + (key - VK_NUMPAD0));
    switch (key) {
    case VK_SPACE:
        return u' ';
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        return u'-';
    case VK_OEM_COMMA:
        return u',';
    case VK_OEM_PERIOD:
    case VK_DECIMAL:
        return u'.';
    default:
        return 0;
    }
}

} // namespace

DEFINE_RESPONSE_TABLE1(GridPane, OWL::TWindow)
EV_WM_LBUTTONDOWN, EV_WM_LBUTTONUP, EV_WM_LBUTTONDBLCLK, EV_WM_RBUTTONDOWN, EV_WM_RBUTTONUP,
    EV_WM_CONTEXTMENU, EV_WM_MOUSEMOVE, EV_WM_SIZE, EV_WM_KEYDOWN, EV_WM_ERASEBKGND,
    EV_MESSAGE(kFreeRetired, EvFreeRetired), END_RESPONSE_TABLE;

GridPos GridPane::RowPos(int row) const {
    return {row + mGrid.RowOrigin(), mGrid.RowOrigin()};
}

GridPos GridPane::ColPos(int col) const {
    return {col + mGrid.ColumnOrigin(), mGrid.ColumnOrigin()};
}

DWORD GridPane::FlagsOf(int row, int col) const {
    return mGrid.CellFlags(row + mGrid.RowOrigin(), Column(col).DataColumn());
}

// Mouse.

void GridPane::EvLButtonDown(UINT, const OWL::TPoint& p) {
    SetFocus();
    const auto cell = CellAt(p);
    if (!cell) {
        mGrid.Selection().Clear();
        return;
    }
    const auto [row, col] = *cell;
    mDragging = true;
    mGrid.Selection().MouseDown(RowPos(row), ColPos(col));
    if (FlagsOf(row, col) & kOpensOnClick)
        StartEditing(row, col, 0);
}

void GridPane::EvLButtonUp(UINT, const OWL::TPoint& p) {
    if (mGrid.RowSelectionMode()) {
        mGrid.RowNumbers().ReleaseAt(p.y);
        return;
    }
    mDragging = false;
    if (mRowCount == 0 || ColumnCount() == 0)
        return;
    const int row = std::clamp(RowAtY(std::max(p.y, 0)), 0, mRowCount - 1);
    mGrid.Selection().MouseUp(RowPos(row), ColPos(ColumnAtX(p.x + mHOffset)));
}

void GridPane::EvLButtonDblClk(UINT, const OWL::TPoint& p) {
    if (mGrid.RowSelectionMode()) {
        mGrid.RowNumbers().DoubleClickAt(p.y);
        return;
    }
    DoubleClickAt(p);
}

void GridPane::DoubleClickAt(const OWL::TPoint& p) {
    const auto cell = CellAt(p);
    if (!cell)
        return;
    const auto [row, col] = *cell;
    GridSelection& selection = mGrid.Selection();
    const GridPos r = RowPos(row);
    const GridPos c = ColPos(col);
    selection.SetRange(r, {r.index + 1, r.origin}, c, {c.index + 1, c.origin});
    selection.Activate(r, c, GridSelection::ModifierKeys() | kDoubleClick);
    if (mGrid.EditAsText() && (FlagsOf(row, col) & kEditableByDoubleClick)) {
        CommitEditing();
        StartEditing(row, col, 0);
    }
}

void GridPane::EvRButtonDown(UINT, const OWL::TPoint& p) {
    SetFocus();
    if (const auto cell = CellAt(p))
        mGrid.Selection().SelectAt(RowPos(cell->first), ColPos(cell->second),
                                   GridSelection::ModifierKeys() | kRightButton);
    else
        mGrid.Selection().Clear();
}

void GridPane::EvRButtonUp(UINT, const OWL::TPoint& p) {
    if (const auto cell = CellAt(p))
        mGrid.Selection().EndSelect(RowPos(cell->first), ColPos(cell->second),
                                    GridSelection::ModifierKeys() | kRightButton);
    DefaultProcessing();
}

void GridPane::EvContextMenu(HWND, const OWL::TPoint&) {
    const SelectionRange& range = mGrid.Selection().Range();
    if (!range.IsValid() || !range.IsSingleCell())
        return;
    const int row = range.rowStart.index;
    const int col = range.colStart.index;
    const int item = mGrid.ChooseFromList(static_cast<DWORD>(row), static_cast<DWORD>(col), GetParentH());
    if (item >= 0)
        mGrid.ChooseListItem(2, row, range.rowStart.origin, col, range.colStart.origin, item);
}

void GridPane::EvMouseMove(UINT, const OWL::TPoint& p) {
    if (mGrid.RowSelectionMode()) {
        mGrid.RowNumbers().DragAt(p.y);
        return;
    }
    if (mRowCount == 0 || ColumnCount() == 0 || !PrimaryButtonDown() || GridSelection::ModifierKeys() != 0)
        return;
    const int row = std::clamp(RowAtY(std::max(p.y, 0)), 0, mRowCount - 1);
    const int col = ColumnAtX(std::max(p.x, 0) + mHOffset);
    mGrid.Selection().MouseDrag(RowPos(row), ColPos(col));
    if (col >= mFirstColumn + FullyVisibleColumnCount())
        mGrid.ScrollColumns(1);
    if (row >= GetVisibleRows().second)
        mGrid.ScrollRows(1);
}

void GridPane::EvSize(UINT, const OWL::TSize& size) {
    mVisibleRows = size.cy / mRowHeight;
}

void GridPane::EvKeyDown(UINT key, UINT repeat, UINT flags) {
    mGrid.OnKeyDown(key, repeat, flags);
}

// Editing.

HWND GridPane::EditorWindow() const {
    return mEditing.editor ? mEditing.editor->GetHandle() : nullptr;
}

bool GridPane::StartEditing(int row, int col, UINT key) {
    if (col < 0 || col >= ColumnCount())
        return false;
    const auto rect = CellRect(row, col);
    if (!rect)
        return false;
    CommitEditing();
    const int rowOrigin = mGrid.RowOrigin();
    const int colOrigin = mGrid.ColumnOrigin();
    const int outerCol = Column(col).DataColumn() + colOrigin;
    Editing editing;
    editing.data = mGrid.CreateCellData(row + rowOrigin, rowOrigin, outerCol, colOrigin);
    const DWORD flags = FlagsOf(row, col);
    if (mGrid.EditAsText() || (flags & kChoiceCell))
        editing.controlClass = std::make_unique<GridText>();
    if (auto* text = dynamic_cast<CellStringData*>(editing.data.get());
        text != nullptr && (flags & kNoChoice))
        text->SetText(Ovo::String());
    if (flags & kChoiceCell) {
        auto list = std::make_unique<GridStringList>();
        for (const auto& [index, choice] : mGrid.ChoiceList())
            list->AddString(choice);
        editing.controlClass = std::move(list);
        mGrid.Selection().ForgetPressedCell();
    }
    if (!editing.controlClass)
        return false;
    GridItemControl* item = nullptr;
    editing.editor = editing.controlClass->CreateEditor(*this, item);
    if (!editing.editor || item == nullptr || !editing.editor->Create())
        return false;
    editing.alias = std::make_unique<ControlAlias>(editing.editor->GetHandle(), *this, col, row);
    item->SetCellData(editing.data.get());
    mEditing = std::move(editing);
    mEditorItem = item;
    mEditRow = row;
    mEditColumn = col;
    OWL::TWindow& editor = *mEditing.editor;
    editor.SetWindowFont(mGrid.CellFont(), false);
    item->Transfer(false);
    editor.MoveWindow(rect->left, rect->top, rect->Width(), rect->Height() - 1, true);
    editor.ShowWindow(SW_SHOW);
    editor.SetFocus();
    editor.SendMessage(EM_SETSEL, 0, -1);
    SetSeedText(key);
    if (!mGrid.IsColumnVisible(col + colOrigin, colOrigin))
        mGrid.ScrollToColumn(col + colOrigin, colOrigin);
    if (!mGrid.IsRowVisible(row + rowOrigin, rowOrigin))
        mGrid.EnsureRowVisible(row + rowOrigin, rowOrigin);
    return true;
}

void GridPane::SetSeedText(UINT key) {
    auto* edit = dynamic_cast<GridEditCtrl*>(mEditing.editor.get());
    const char16_t seed[2] = {SeedCharacter(key), 0};
    if (edit == nullptr || seed[0] == 0)
        return;
    edit->SetWindowText(seed);
    edit->SendMessage(EM_SETSEL, 1, 1);
}

void GridPane::CommitEditing() {
    if (mEnding || !IsEditing())
        return;
    mEditorItem->Transfer(true);
    EndEditing(true);
}

void GridPane::EditorKey(UINT key) {
    if (key == VK_ESCAPE)
        EndEditing(false);
    else if (key == VK_TAB || key == VK_RETURN)
        CommitEditing();
}

void GridPane::EditorDoubleClick(const OWL::TPoint& editorPoint) {
    POINT p = editorPoint;
    MapWindowPoints(EditorWindow(), GetHandle(), &p, 1);
    CommitEditing();
    DoubleClickAt(p);
}

// Destroying the focused editor sends it WM_KILLFOCUS, which commits; the
// guard makes that a no-op, so an edit ended without committing stays so.
void GridPane::EndEditing(bool commit) {
    if (mEnding || !IsEditing())
        return;
    mEnding = true;
    const int rowOrigin = mGrid.RowOrigin();
    const int colOrigin = mGrid.ColumnOrigin();
    const int row = mEditRow + rowOrigin;
    const int col =
        (mEditColumn >= 0 && mEditColumn < ColumnCount() ? Column(mEditColumn).DataColumn() : -1) + colOrigin;
    const Ovo::String text = mEditing.data->GetText();
    const HWND editor = EditorWindow();
    const bool editorHadFocus = GetFocus() == editor;
    DestroyWindow(editor);
    RetireEditing();
    mEnding = false;
    if (editorHadFocus || GetFocus() == nullptr)
        SetFocus();
    if (commit)
        mGrid.SetCellText(row, rowOrigin, col, colOrigin, text);
}

void GridPane::RetireEditing() {
    mRetired.push_back(std::move(mEditing));
    mEditing = Editing{};
    mEditorItem = nullptr;
    mEditRow = mEditColumn = -1;
    PostMessage(kFreeRetired);
}

LRESULT GridPane::EvFreeRetired(WPARAM, LPARAM) {
    mRetired.clear();
    return 0;
}

} // namespace TVF_Grid
