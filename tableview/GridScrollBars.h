#pragma once
// The grid's scroll bars. The vertical bar's position is the top row (from
// 0), the horizontal bar's the left edge of the first visible column in
// pixels. Their actions become the grid's scrolling: the vertical bar moves
// one row up for a line or page up and two rows down for a page down; the
// horizontal bar moves by whole columns, and its thumb follows the pixel
// while dragged and aligns to a column's start when released.

#include "platform/owl/TScrollBar.h"

namespace TVF_Grid {

class GridControl;

// A bar of the grid: placed and sized by the grid, no tab stop.
class GridScrollBar : public OWL::TScrollBar {
protected:
    GridScrollBar(GridControl& grid, int id, bool horizontal);

    GridControl& mGrid;
};

class GridVScrollBar : public GridScrollBar {
public:
    static constexpr int kId = 100;

    explicit GridVScrollBar(GridControl& grid) : GridScrollBar(grid, kId, false) {}

    void SBLineUp() override;
    void SBLineDown() override;
    void SBPageUp() override { SBLineUp(); }
    void SBPageDown() override;
    void SBThumbPosition(int thumbPos) override;
    void SBThumbTrack(int thumbPos) override;
    void SBTop() override;
    void SBBottom() override;

    void EvVScroll(UINT code, UINT thumbPos, HWND bar);

    DECLARE_RESPONSE_TABLE(GridVScrollBar);

private:
    // The grid scrolls to a row (outer) at or after the origin.
    void ScrollTo(int row);
};

class GridHScrollBar : public GridScrollBar {
public:
    static constexpr int kId = 101;

    explicit GridHScrollBar(GridControl& grid) : GridScrollBar(grid, kId, true) {}

    void SBLineUp() override;
    void SBLineDown() override;
    void SBPageUp() override { SBLineUp(); }
    void SBPageDown() override;
    void SBThumbPosition(int thumbPos) override;
    void SBThumbTrack(int thumbPos) override;
    void SBTop() override;
    void SBBottom() override;

    void EvHScroll(UINT code, UINT thumbPos, HWND bar);

    DECLARE_RESPONSE_TABLE(GridHScrollBar);
};

} // namespace TVF_Grid
