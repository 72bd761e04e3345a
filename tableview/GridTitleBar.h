#pragma once
// TVF_Grid::GridTitleBar: the column titles above a grid's cell area,
// scrolled with it. Titles of selected columns are highlighted. Presses and
// drags on titles select whole columns; a press within 4 pixels of a
// column's right edge starts a resize (when the grid allows resizing); a
// drag of a title onto another moves the column (when the grid allows
// moving); a double click activates a column; the context menu offers the
// client's choices for the column.

#include "platform/owl/TWindow.h"
#include "tableview/GridPosition.h"

namespace TVF_Grid {

class GridControl;
class GridPane;

class GridTitleBar : public OWL::TWindow {
public:
    static constexpr int kBorder = 4;

    explicit GridTitleBar(GridControl& grid);

    // The first column whose right edge - 4 lies right of x (client x); -1
    // right of every column.
    int ColumnAt(int x) const;
    // The column whose right edge lies strictly within 4 pixels of x, or -1.
    int BorderAt(int x) const;
    bool IsResizing() const { return mResizing; }
    bool IsMoving() const { return mMoving; }

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    DECLARE_RESPONSE_TABLE(GridTitleBar);

protected:
    bool EvSetCursor(HWND hwnd, UINT hitTest, UINT message);
    void EvLButtonDown(UINT flags, const OWL::TPoint& p);
    void EvLButtonUp(UINT flags, const OWL::TPoint& p);
    void EvLButtonDblClk(UINT flags, const OWL::TPoint& p);
    void EvRButtonUp(UINT flags, const OWL::TPoint& p);
    void EvContextMenu(HWND, const OWL::TPoint& screen);
    void EvMouseMove(UINT flags, const OWL::TPoint& p);
    bool EvEraseBkgnd(HDC) { return true; }

private:
    int RightEdge(int col) const;
    GridPos TitleRow() const;
    GridPos ColPos(int col) const;
    // The column under x: a border's column on a border, else the column under it.
    int PressedColumnAt(int x) const;
    void FitTitles(OWL::TDC& dc);
    void PaintTitle(OWL::TDC& dc, int col, const OWL::TRect& client, bool selected) const;
    void PaintMovingTitle(int x);

    GridControl& mGrid;
    GridPane& mPane;
    int mDragColumn = -1;
    int mResizeStart = 0;
    bool mResizing = false;
    bool mMoving = false;
    int mPressOffset = 0;
};

} // namespace TVF_Grid
