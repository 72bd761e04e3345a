#pragma once
// TVF_Grid::GridPane: the cell area of a grid control. It holds the columns
// and the row metrics, answers which cell lies under a point and how many
// columns fit, scrolls by whole rows and columns moving the pixels already
// painted, and paints the visible cells through an off-screen bitmap, calling
// the renderer for every column and cell. Its mouse handling selects cells,
// drags selections (scrolling right and down only) and opens the cell
// editors; its keys go to the grid.
//
// x values of the geometry operations are content pixels: client x plus the
// horizontal pixel offset (the left edge of the first visible column). Rows
// and columns are inner indexes (0 = first).

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/owl/TBitmap.h"
#include "platform/owl/TWindow.h"
#include "tableview/CellData.h"
#include "tableview/GridColumn.h"
#include "tableview/GridControlClass.h"
#include "tableview/GridEditors.h"
#include "tableview/GridRenderer.h"

namespace TVF_Grid {

class GridControl;

class GridPane : public OWL::TWindow {
public:
    static constexpr int kRowHeight = 16;

    explicit GridPane(GridControl& grid);
    ~GridPane() override;

    // Geometry.
    int ColumnAtX(int x) const;
    int LastScrollableFirstColumn() const;
    int FullyVisibleColumnCount() const;
    int TotalColumnWidth() const { return ColumnWidthFrom(0); }
    int ColumnWidthFrom(int first) const;
    int SumOfMinimumWidths(int n) const;
    int VisiblePageWidth() const;
    // The width of the FullyVisibleColumnCount columns from the first visible one.
    int FullyVisibleWidth() const;
    std::optional<OWL::TRect> CellRect(int row, int col) const;
    // [top row, min(row count, top row + visible rows)).
    std::pair<int, int> GetVisibleRows() const;
    // The cell under a client point; nothing outside the rows and columns.
    std::optional<std::pair<int, int>> CellAt(const OWL::TPoint& p) const;

    void SetRowCount(int n);
    void InvalidateCell(int row, int col);
    void InvalidateRows(int first, int last);
    void AddColumn(std::unique_ptr<GridColumn> column);
    void ClearColumns();
    // Sets the right edge of a column (content pixels): a shrink is taken from
    // the resizable columns leftwards down to their minimums, a growth goes to
    // the nearest resizable column at or left of it.
    void ResizeColumn(int index, int newRight);
    void ResetResizeTracking(int marker, int widestRight);
    void ScrollToTop(int row, bool keepLastPageFull);
    void SetFirstColumn(int col);

    // In-cell editing: opens the editor of a cell seeded by a key (0: none);
    // true when one opened.
    bool StartEditing(int row, int col, UINT key);
    // Ends the edit, handing the editor's value to the grid when committing.
    void EndEditing(bool commit);
    // Stores the editor's value, then ends the edit handing it on.
    void CommitEditing();
    bool IsEditing() const { return mEditing.editor != nullptr; }
    // Tab and Enter commit, Esc ends without storing.
    void EditorKey(UINT key);
    GridItemControl* Editor() const { return mEditorItem; }
    HWND EditorWindow() const;
    // The editor's double click: commits and opens the cell's editor again.
    void EditorDoubleClick(const OWL::TPoint& editorPoint);

    int RowHeight() const { return mRowHeight; }
    int RowCount() const { return mRowCount; }
    int TopRow() const { return mTopRow; }
    int FirstColumn() const { return mFirstColumn; }
    int HOffset() const { return mHOffset; }
    int VOffset() const { return mVOffset; }
    int VisibleRows() const { return mVisibleRows; }
    int ColumnCount() const { return static_cast<int>(mColumns.size()); }
    GridColumn& Column(int i) const { return *mColumns[static_cast<std::size_t>(i)]; }
    GridRenderer& Renderer() const { return *mRenderer; }
    void SetRenderer(GridRenderer* renderer) { mRenderer = renderer; }
    GridControl& Grid() const { return mGrid; }
    void SetDrawGridLines(bool on) { mGridLines = on; }
    // The widest right edge a resize reached and the first column resized.
    int WidestRight() const { return mWidestRight; }
    int LastResized() const { return mLastResized; }
    // The off-screen bitmap's size (0 x 0 before the first paint).
    OWL::TSize BufferSize() const;

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    DECLARE_RESPONSE_TABLE(GridPane);

protected:
    void EvLButtonDown(UINT flags, const OWL::TPoint& p);
    void EvLButtonUp(UINT flags, const OWL::TPoint& p);
    void EvLButtonDblClk(UINT flags, const OWL::TPoint& p);
    void EvRButtonDown(UINT flags, const OWL::TPoint& p);
    void EvRButtonUp(UINT flags, const OWL::TPoint& p);
    void EvContextMenu(HWND, const OWL::TPoint& screen);
    void EvMouseMove(UINT flags, const OWL::TPoint& p);
    void EvSize(UINT kind, const OWL::TSize& size);
    void EvKeyDown(UINT key, UINT repeat, UINT flags);
    bool EvEraseBkgnd(HDC) { return true; }
    LRESULT EvFreeRetired(WPARAM, LPARAM);

private:
    struct Editing {
        std::unique_ptr<GridControlClass> controlClass;
        std::unique_ptr<CellData> data;
        std::unique_ptr<OWL::TWindow> editor;
        std::unique_ptr<ControlAlias> alias;
    };

    void RelayoutColumnsFrom(int index);
    void ScrollContents(int dx, int dy);
    bool InsideData(const OWL::TPoint& p) const;
    int RowAtY(int y) const { return (y + mVOffset) / mRowHeight; }
    GridPos RowPos(int row) const;
    GridPos ColPos(int col) const;
    DWORD FlagsOf(int row, int col) const;
    void PaintColumn(OWL::TDC& dc, const OWL::TPen& lines, int col, int firstRow, int endRow);
    void DoubleClickAt(const OWL::TPoint& p);
    void SetSeedText(UINT key);
    void RetireEditing();

    GridControl& mGrid;
    std::unique_ptr<OWL::TBitmap> mBuffer;
    std::vector<std::unique_ptr<GridColumn>> mColumns;
    int mWidestRight = 0;
    int mLastResized = 0;
    int mRowHeight = kRowHeight;
    int mRowCount = 0;
    int mFirstColumn = 0;
    int mTopRow = 0;
    int mHOffset = 0;
    int mVOffset = 0;
    int mVisibleRows = 0;
    GridRenderer* mRenderer;
    // The open edit, its cell, and edits ended while their windows were still
    // answering a message (freed by a posted message).
    Editing mEditing;
    GridItemControl* mEditorItem = nullptr;
    int mEditColumn = -1;
    int mEditRow = -1;
    std::vector<Editing> mRetired;
    bool mGridLines = true;
    bool mEnding = false;
    bool mDragging = false;
};

} // namespace TVF_Grid
