// Scrolling a grid: when its bars show, what their clicks do, how a change of
// the row count moves the view, and that scrolling repaints only what it
// uncovers.

#include "platform/gdi/Surface.h"
#include "platform/user/WindowSurfaces.h"
#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

class GridScrollingTest : public GridTest {
protected:
    void Resize(int dataRows, DWORD width) {
        table.storedRows = static_cast<DWORD>(dataRows + 1);
        for (DWORD& w : table.widths)
            w = width;
        renderer->Refresh();
        Pump();
    }
    SCROLLINFO VBarInfo() const {
        SCROLLINFO info{};
        grid->VScrollBar().GetScrollInfo(&info, SIF_RANGE | SIF_PAGE | SIF_POS);
        return info;
    }
};

TEST_F(GridScrollingTest, BarsShowOnlyWhileTheyAreNeeded) {
    Resize(3, 40);
    EXPECT_FALSE(grid->VScrollBar().IsWindowVisible());
    EXPECT_FALSE(grid->HScrollBar().IsWindowVisible());
    Resize(30, 40);
    EXPECT_TRUE(grid->VScrollBar().IsWindowVisible());
    EXPECT_FALSE(grid->HScrollBar().IsWindowVisible());
    Resize(30, 200);
    EXPECT_TRUE(grid->HScrollBar().IsWindowVisible());
    const RECT pane = Pane().GetWindowRect();
    const RECT bar = grid->HScrollBar().GetWindowRect();
    EXPECT_EQ(bar.top, pane.bottom) << "the cell area gives the bar its height";
}

TEST_F(GridScrollingTest, APageClickBelowTheThumbMovesTwoRowsAndAboveItOne) {
    const HWND bar = grid->VScrollBar().GetHandle();
    const OWL::TRect r = grid->VScrollBar().GetClientRect();
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    user::Click(bar, {r.Width() / 2, r.bottom - arrow - 2});
    Pump();
    EXPECT_EQ(Pane().TopRow(), 2);
    EXPECT_EQ(VBarInfo().nPos, 2);
    user::Click(bar, {r.Width() / 2, arrow + 1});
    Pump();
    EXPECT_EQ(Pane().TopRow(), 1);
    user::Click(bar, {r.Width() / 2, 2}); // the up arrow
    user::Click(bar, {r.Width() / 2, 2});
    Pump();
    EXPECT_EQ(Pane().TopRow(), 0) << "row 0 lies before the origin: nothing happens";
}

TEST_F(GridScrollingTest, ThePageOfTheVerticalBarShrinksNearTheEnd) {
    const int visible = Pane().VisibleRows();
    EXPECT_EQ(VBarInfo().nPage, static_cast<UINT>(visible));
    EXPECT_EQ(VBarInfo().nMax, 29);
    grid->ScrollToRow(30, 1);
    EXPECT_EQ(Pane().TopRow(), 30 - visible) << "the last page stays full";
    grid->EnsureRowVisible(3, 1);
    EXPECT_EQ(Pane().TopRow(), 0) << "a row above the first page scrolls to the very first row";
    grid->EnsureRowVisible(25, 1);
    EXPECT_EQ(Pane().TopRow(), 25 - visible) << "the row becomes the last visible one";
}

// After 1000 rows shrink to 10 with the top row at 900, one page back still
// shows no row: the grid goes to the last page. A smaller shrink goes back
// one page.
TEST_F(GridScrollingTest, ShrinkingTheRowsBringsTheViewBackOverTheRows) {
    const int visible = Pane().VisibleRows();
    Resize(1000, 60);
    grid->ScrollToRow(901, 1);
    ASSERT_EQ(Pane().TopRow(), 900);
    Resize(10, 60);
    EXPECT_EQ(Pane().TopRow(), 0);
    EXPECT_EQ(Pane().GetVisibleRows(), (std::pair{0, 10}));

    Resize(100, 60);
    grid->ScrollToRow(86, 1);
    ASSERT_EQ(Pane().TopRow(), 85);
    Resize(90, 60);
    EXPECT_EQ(Pane().TopRow(), 85 - visible) << "one page back, not the last page";
}

TEST_F(GridScrollingTest, ScrollingByARowRepaintsOnlyTheUncoveredRow) {
    const OWL::TRect client = Pane().GetClientRect();
    grid->ScrollRows(1);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(PaneWindow(), &update, FALSE));
    EXPECT_EQ(update.top, client.bottom - 16);
    EXPECT_EQ(update.bottom, client.bottom);
    Pump();
    const gdi::Surface scrolled = user::WindowPicture(PaneWindow());
    Pane().Invalidate(true);
    Pump();
    EXPECT_TRUE(scrolled.Pixels() == user::WindowPicture(PaneWindow()).Pixels())
        << "the moved pixels are right";

    grid->ScrollRows(Pane().VisibleRows() + 1);
    ASSERT_TRUE(GetUpdateRect(PaneWindow(), &update, FALSE));
    EXPECT_EQ(update.top, 0) << "past a page everything is repainted";
}

TEST_F(GridScrollingTest, TheOffScreenBitmapIsReplacedOnlyWhenThePaneOutgrowsIt) {
    const OWL::TSize first = Pane().BufferSize();
    EXPECT_EQ(first, Pane().GetClientRect().Size());
    grid->MoveWindow(0, 0, kWidth - 100, kHeight - 50, true);
    Pump();
    EXPECT_EQ(Pane().BufferSize(), first);
    grid->MoveWindow(0, 0, kWidth + 100, kHeight, true);
    Pump();
    EXPECT_EQ(Pane().BufferSize().cx, first.cx + 100);
}

TEST_F(GridScrollingTest, TheHorizontalBarScrollsByWholeColumnsAndItsThumbByPixels) {
    Resize(30, 150);
    const HWND bar = grid->HScrollBar().GetHandle();
    auto action = [&](int code) {
        SendMessageW(grid->GetHandle(), WM_HSCROLL, static_cast<WPARAM>(code), reinterpret_cast<LPARAM>(bar));
    };
    action(SB_LINEDOWN);
    EXPECT_EQ(Pane().FirstColumn(), 1);
    EXPECT_EQ(grid->HScrollBar().GetPosition(), Pane().Column(1).Left());
    EXPECT_EQ(notices.notices.back(), "b 2,0");
    action(SB_BOTTOM);
    const int last = Pane().LastScrollableFirstColumn();
    EXPECT_EQ(Pane().FirstColumn(), last);
    action(SB_LINEDOWN);
    EXPECT_EQ(Pane().FirstColumn(), last) << "the last column shows whole: a line does nothing";
    action(SB_PAGEDOWN);
    EXPECT_EQ(Pane().FirstColumn(), last) << "a page asks, and the grid keeps the last page";
    action(SB_TOP);
    EXPECT_EQ(Pane().FirstColumn(), 0);

    grid->ScrollToColumnPixel(170, false);
    EXPECT_EQ(Pane().FirstColumn(), 1);
    EXPECT_EQ(grid->HScrollBar().GetPosition(), 170) << "dragging follows the pixel";
    grid->ScrollToColumnPixel(170, true);
    EXPECT_EQ(grid->HScrollBar().GetPosition(), 151) << "a release aligns to the column";
}

} // namespace
} // namespace TarvikTest
