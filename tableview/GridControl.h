#pragma once
// TVF_Grid::GridControl: the spreadsheet-like window that shows one table: a
// title bar of column titles, a row-number pane at the left, the cell area
// (GridPane), a vertical and a horizontal scroll bar. It lays its children
// out from its client size, shows a scroll bar only while it is needed, and
// keeps the bars, the title bar and the row-number pane in step with the cell
// area. It scrolls by whole rows and whole columns.
//
// Rows and columns from outside are (index, origin) pairs: the control works
// on index - origin and hands out inner index + origin. Both origins are 1.
// Data row 0 is the title row and data column 0 the row-title column.
//
// Table-view style word: bit 0 edit-as-text (double clicks open editors,
// every editor is a text field), bit 3 row-selection mode, bit 4 column moves
// allowed, bit 7 no horizontal bar, bit 8 kept for printing, bit 9 the snap
// toolbar (main grid).

#include <map>
#include <memory>

#include "core/String.h"
#include "platform/owl/TWindow.h"
#include "tableview/CellData.h"
#include "tableview/CellFlags.h"
#include "tableview/GridRenderer.h"
#include "tableview/GridSelection.h"
#include "tableview/TableInterfaces.h"

namespace TVF_Grid {

class GridPane;
class GridTitleBar;
class GridVScrollBar;
class GridHScrollBar;
class RowNumbersPane;
class SnapGadgetWindowBase;

class GridControl : public GridRenderer, public OWL::TWindow {
public:
    explicit GridControl(OWL::TWindow* parent);
    ~GridControl() override;

    // GridRenderer: the colours of a cell, and the row number as its label
    // (the renderer's label with custom row labels).
    void PrepareCellColours(HDC dc, int row, int rowOrigin, int col, int colOrigin, int state,
                            const COLORREF* colour) override;
    Ovo::String GetRowLabel(int row, int origin) override;

    // 2 for a grey column, else the column's kind.
    virtual int GetCellKind(int row, int rowOrigin, int col, int colOrigin);
    // The value of a cell as its editor holds it: a number for a choice cell
    // (flag 0x8; text that is no number gives 0x80000001), else the text.
    virtual std::unique_ptr<CellData> CreateCellData(int row, int rowOrigin, int col, int colOrigin);
    virtual void OnColumnPaint(int col, int origin) {}
    virtual void OnFirstColumnChanged(int col, int origin) {}
    virtual void OnColumnResized(int col, int origin, int width) {}
    virtual void OnColumnMoved(int from, int fromOrigin, int to, int toOrigin) {}
    // A left press on the control outside its children.
    virtual void OnClicked() = 0;
    virtual void SetCellText(int row, int rowOrigin, int col, int colOrigin, const Ovo::String& text) {}
    virtual void ChooseListItem(int kind, int row, int rowOrigin, int col, int colOrigin, int index) {}
    virtual void ClearCell(int code, int row, int rowOrigin, int col, int colOrigin) {}
    // True when the key was used.
    virtual bool OnKeyDown(UINT key, UINT repeat, UINT flags) { return false; }
    virtual bool OnKeyUp(UINT key) { return false; }

    void LayoutPanes();
    void SetRowCount(int count, int origin);
    void ScrollToRow(int row, int origin);
    void EnsureRowVisible(int row, int origin);
    void ScrollRows(int delta);
    bool IsRowVisible(int row, int origin) const;
    void ScrollToColumn(int col, int origin);
    void ScrollColumns(int delta);
    // The column under a pixel of the horizontal bar becomes the first shown.
    void ScrollToColumnPixel(int pixel, bool alignToColumn);
    bool IsColumnVisible(int col, int origin) const;
    // newRight in content pixels.
    void ResizeColumn(int col, int origin, int newRight);
    void UpdateScrollBars(bool relayout);
    void UpdateVerticalRange();
    void UpdateHorizontalRange();

    void SetTableSources(DWORD tableId, ITableDataManager* data, ITableStoredRowInfo* rows,
                         ITableUserActionHandler* actions, IListGenerator* lists);
    void SetStyle(DWORD style, bool mainGrid);
    // A new selection, in row mode when the control is.
    void ResetSelection();
    void InvalidateAll();
    // (position + page - minimum) / (maximum - minimum) of the vertical bar.
    double GetVerticalFraction() const;

    // The columns as the renderer last laid them out from the client.
    void SetColumnSource(int count, int origin);
    bool HasColumns() const { return mSourceColumns > mSourceOrigin; }

    int RowOrigin() const { return mRowOrigin; }
    int ColumnOrigin() const { return mColumnOrigin; }
    // The cell area's rows and columns.
    int RowCount() const;
    int ColumnCount() const;
    GridPane& Pane() const { return *mPane; }
    GridTitleBar& TitleBar() const { return *mTitleBar; }
    RowNumbersPane& RowNumbers() const { return *mRowNumbers; }
    GridVScrollBar& VScrollBar() const { return *mVBar; }
    GridHScrollBar& HScrollBar() const { return *mHBar; }
    GridSelection& Selection() const { return *mSelection; }
    const OWL::TFont& CellFont() const { return *mCellFont; }
    const OWL::TFont& HeaderFont() const { return *mHeaderFont; }
    int HeaderHeight() const { return mHeaderHeight; }
    int RowNumberWidth() const;
    void SetRowNumberWidth(int width);

    DWORD TableId() const { return mTableId; }
    ITableDataManager* DataSource() const { return mData; }
    ITableStoredRowInfo* RowSource() const { return mRows; }
    ITableUserActionHandler* ActionHandler() const { return mActions; }
    IListGenerator* ListGenerator() const { return mLists; }
    // The list generator's items for a cell shown as a pop-up menu at the
    // cursor (ids 1, 2, ...): the index chosen, or -1 when nothing was (no
    // handler, no generator, no items).
    int ChooseFromList(DWORD row, DWORD column, HWND owner) const;
    // The flags of a cell by outer row and data column id; 0 without a source.
    DWORD CellFlags(int row, int dataColumn) const;

    // The texts of choice cells, by index.
    std::map<int, Ovo::String>& ChoiceList() { return mChoices; }
    bool EditAsText() const { return mEditAsText; }
    bool RowSelectionMode() const { return mRowMode; }
    bool NoHighlight() const { return mNoHighlight; }
    void SetNoHighlight(bool on) { mNoHighlight = on; }
    bool CustomRowLabels() const { return mCustomRowLabels; }
    void SetCustomRowLabels(bool on) { mCustomRowLabels = on; }
    bool ColumnResizing() const { return mColumnResizing; }
    void SetColumnResizing(bool on) { mColumnResizing = on; }
    bool ColumnMoving() const { return mColumnMoving; }
    bool StyleBit8() const { return mStyleBit8; }
    bool FitTitles() const { return mFitTitles; }
    void SetFitTitles(bool on) { mFitTitles = on; }
    // The table view lets the main grid show a horizontal bar only while the fixed grid is hidden.
    void SetHorizontalBarAllowed(bool allowed);
    // The latest row is always shown while sampling (the snap toolbar's toggle).
    bool AlwaysShowLatest() const { return mAlwaysShowLatest; }
    // Sets the flag and the snap toolbar's button to match.
    virtual void SetAlwaysShowLatest(bool on);
    // The snap toolbar (style bit 9 on a main grid), else null.
    SnapGadgetWindowBase* SnapToolbar() const { return mSnap; }
    bool VerticalBarShown() const { return mVBarShown; }
    bool HorizontalBarShown() const { return mHBarShown; }

    // The selection's report hook: ends an open edit without storing it and
    // repaints what shows the selection.
    void SelectionChanged();

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    DECLARE_RESPONSE_TABLE(GridControl);

protected:
    void SetupWindow() override;
    void EvWindowPosChanged(const WINDOWPOS& pos);
    bool EvEraseBkgnd(HDC) { return true; }
    void EvContextMenu(HWND, const OWL::TPoint&) {}
    void EvLButtonDown(UINT, const OWL::TPoint&) { OnClicked(); }
    // The snap toolbar's toggle: flips the flag and tells the action handler.
    void CmToggleLatest();

private:
    // The snap toolbar, replacing any earlier one.
    void CreateSnapToolbar();
    void ApplyFirstColumn(int col);
    void InvalidateCorners();
    void PaintFace(HDC dc, const OWL::TRect& box) const;

    int mRowOrigin = 1;
    int mColumnOrigin = 1;
    int mSourceColumns = -1;
    int mSourceOrigin = -1;
    std::map<int, Ovo::String> mChoices;
    DWORD mTableId = 0;
    ITableDataManager* mData = nullptr;
    ITableStoredRowInfo* mRows = nullptr;
    ITableUserActionHandler* mActions = nullptr;
    IListGenerator* mLists = nullptr;

    // Children: framework windows owned by this one, deleted first in the
    // destructor.
    GridPane* mPane = nullptr;
    GridTitleBar* mTitleBar = nullptr;
    GridVScrollBar* mVBar = nullptr;
    GridHScrollBar* mHBar = nullptr;
    RowNumbersPane* mRowNumbers = nullptr;
    SnapGadgetWindowBase* mSnap = nullptr;
    std::unique_ptr<OWL::TFont> mCellFont;
    std::unique_ptr<OWL::TFont> mHeaderFont;

    int mHeaderFontHeight = 0;
    int mHeaderHeight = 0;
    int mVBarWidth;
    int mHBarHeight;
    int mCellAreaWidth = 0;
    int mCellAreaHeight = 0;
    int mClientWidth = 0;
    int mClientHeight = 0;

    bool mHBarShown = true;
    bool mHBarAllowed = true;
    bool mVBarShown = true;
    bool mCustomRowLabels = false;
    bool mNoHighlight = false;
    bool mRowMode = false;
    bool mEditAsText = false;
    bool mColumnMoving = false;
    bool mStyleBit8 = false;
    bool mShowSnapToolbar = false;
    bool mAlwaysShowLatest = false;
    bool mColumnResizing = false;
    bool mFitTitles = false;
    std::unique_ptr<GridSelection> mSelection;
};

// Reading a client's cells.
Ovo::String ReadCellText(ITableDataManager* data, DWORD tableId, DWORD row, DWORD column);
DWORD ReadCellFlags(ITableDataManager* data, DWORD tableId, DWORD row, DWORD column, DWORD initial = 0);
// A choice cell's text as a signed decimal number in the classic locale;
// kNotAListIndex (as a signed number) when it is none.
std::int32_t ParseListIndex(const Ovo::String& text);

// A one-pixel raised edge around a box: highlight along the top and left,
// shadow along the bottom and right (the corner of title bar and row numbers).
void DrawRaisedEdge(HDC dc, const OWL::TRect& box);

} // namespace TVF_Grid
