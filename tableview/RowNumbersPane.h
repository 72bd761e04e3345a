#pragma once
// TVF_Grid::RowNumbersPane: the strip at the left of a grid with one label
// per row (the row number, or the row title the renderer gives), the
// selected rows highlighted. Presses and drags on it select whole rows; a
// drag at the top or bottom edge scrolls one row per tick of timer 1 (25 ms);
// its context menu offers the client's commands for the row.

#include "platform/owl/TWindow.h"
#include "tableview/GridPosition.h"

namespace TVF_Grid {

class GridControl;

class RowNumbersPane : public OWL::TWindow {
public:
    static constexpr UINT_PTR kAutoScrollTimer = 1;
    static constexpr UINT kAutoScrollMs = 25;

    explicit RowNumbersPane(GridControl& grid);

    // -1 until the grid sets it.
    int Width() const { return mWidth; }
    void SetWidth(int width) { mWidth = width; }
    // Moves the painted labels after the grid's top row changed.
    void FollowScroll();
    // Invalidates rows [a, b] (either order) here and in the cell pane.
    void RepaintRows(int a, int b);
    // The mouse handling that the cell pane shares in row-selection mode (y
    // in either pane's client coordinates; both start at the same height).
    void ReleaseAt(int y);
    void DoubleClickAt(int y);
    void DragAt(int y);
    bool HasFocus() const { return mHasFocus; }
    bool AutoScrollArmed() const { return mArmed; }

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    DECLARE_RESPONSE_TABLE(RowNumbersPane);

protected:
    void EvLButtonDown(UINT flags, const OWL::TPoint& p);
    void EvLButtonUp(UINT flags, const OWL::TPoint& p) { ReleaseAt(p.y); }
    void EvLButtonDblClk(UINT flags, const OWL::TPoint& p) { DoubleClickAt(p.y); }
    void EvRButtonUp(UINT flags, const OWL::TPoint& p);
    void EvContextMenu(HWND, const OWL::TPoint&);
    void EvMouseMove(UINT flags, const OWL::TPoint& p);
    void EvTimer(UINT_PTR id);
    void EvSetFocus(HWND) { FocusChanged(true); }
    void EvKillFocus(HWND) { FocusChanged(false); }
    bool EvEraseBkgnd(HDC) { return true; }

private:
    int RowAt(int y) const;
    bool BelowLastRow(int y) const;
    GridPos RowPos(int row) const;
    GridPos TitleColumn() const;
    // Select and release at a row with the modifiers plus extra.
    void ActivateAt(int y, std::uint32_t extra);
    void FocusChanged(bool focused);

    GridControl& mGrid;
    int mLastTop = 0;
    std::uint32_t mTarget = 0;
    bool mHasFocus = false;
    bool mArmed = false;
    int mWidth = -1;
};

} // namespace TVF_Grid
