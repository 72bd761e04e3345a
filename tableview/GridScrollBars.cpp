#include "tableview/GridScrollBars.h"

#include "tableview/GridControl.h"
#include "tableview/GridPane.h"

namespace TVF_Grid {

GridScrollBar::GridScrollBar(GridControl& grid, int id, bool horizontal)
    : OWL::TScrollBar(&grid, id, 0, 0, 0, 0, horizontal), mGrid(grid) {
    Attr.W = Attr.H = 0;
    Attr.Style &= ~WS_TABSTOP;
}

DEFINE_RESPONSE_TABLE1(GridVScrollBar, GridScrollBar)
EV_WM_VSCROLL, END_RESPONSE_TABLE;

void GridVScrollBar::EvVScroll(UINT code, UINT thumbPos, HWND bar) {
    OWL::TScrollBar::EvVScroll(code, thumbPos, bar);
    mGrid.UpdateScrollBars(true);
}

void GridVScrollBar::ScrollTo(int row) {
    const int origin = mGrid.RowOrigin();
    if (row >= origin && origin >= 0)
        mGrid.ScrollToRow(row, origin);
}

void GridVScrollBar::SBLineUp() {
    ScrollTo(mGrid.Pane().TopRow() + mGrid.RowOrigin() - 1);
}

void GridVScrollBar::SBLineDown() {
    ScrollTo(mGrid.Pane().TopRow() + mGrid.RowOrigin() + 1);
}

void GridVScrollBar::SBPageDown() {
    ScrollTo(mGrid.Pane().TopRow() + mGrid.RowOrigin() + 2);
}

void GridVScrollBar::SBThumbPosition(int) {
    SCROLLINFO info{};
    GetScrollInfo(&info, SIF_POS);
    ScrollTo(info.nPos + mGrid.RowOrigin());
}

void GridVScrollBar::SBThumbTrack(int) {
    SCROLLINFO info{};
    GetScrollInfo(&info, SIF_TRACKPOS);
    ScrollTo(info.nTrackPos + mGrid.RowOrigin());
}

void GridVScrollBar::SBTop() {
    ScrollTo(mGrid.RowOrigin());
}

void GridVScrollBar::SBBottom() {
    ScrollTo(mGrid.Pane().RowCount() + mGrid.RowOrigin());
}

DEFINE_RESPONSE_TABLE1(GridHScrollBar, GridScrollBar)
EV_WM_HSCROLL, END_RESPONSE_TABLE;

void GridHScrollBar::EvHScroll(UINT code, UINT thumbPos, HWND bar) {
    OWL::TScrollBar::EvHScroll(code, thumbPos, bar);
    mGrid.UpdateScrollBars(true);
}

void GridHScrollBar::SBLineUp() {
    mGrid.ScrollColumns(-1);
}

void GridHScrollBar::SBLineDown() {
    SCROLLINFO info{};
    GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS);
    if (info.nPos + static_cast<int>(info.nPage) < info.nMax)
        mGrid.ScrollColumns(1);
}

void GridHScrollBar::SBPageDown() {
    mGrid.ScrollColumns(1);
}

void GridHScrollBar::SBThumbPosition(int) {
    SCROLLINFO info{};
    GetScrollInfo(&info, SIF_POS);
    mGrid.ScrollToColumnPixel(info.nPos, true);
}

void GridHScrollBar::SBThumbTrack(int) {
    SCROLLINFO info{};
    GetScrollInfo(&info, SIF_TRACKPOS);
    mGrid.ScrollToColumnPixel(info.nTrackPos, false);
}

void GridHScrollBar::SBTop() {
    mGrid.ScrollToColumn(mGrid.ColumnOrigin(), mGrid.ColumnOrigin());
}

void GridHScrollBar::SBBottom() {
    const int origin = mGrid.ColumnOrigin();
    mGrid.ScrollToColumn(mGrid.Pane().LastScrollableFirstColumn() + origin, origin);
}

} // namespace TVF_Grid
