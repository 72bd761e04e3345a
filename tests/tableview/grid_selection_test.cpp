// Selecting cells, rows and columns of a grid with the mouse, as the table's
// action handler hears it.

#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

using Lines = std::vector<std::string>;

class GridSelectionTest : public GridTest {
protected:
    POINT TitlePoint(int col) const {
        const TVF_Grid::GridColumn& column = Pane().Column(col);
        return {column.Left() - Pane().HOffset() + column.Width() / 2, grid->HeaderHeight() / 2};
    }
    POINT RowLabelPoint(int row) const { return {kRowNumberWidth / 2, (row - Pane().TopRow()) * 16 + 8}; }
    void Drag(HWND hwnd, POINT from, std::initializer_list<POINT> through) {
        user::MoveMouseTo(hwnd, from);
        user::PressButton(VK_LBUTTON);
        Pump();
        for (POINT p : through) {
            user::MoveMouseTo(hwnd, p);
            Pump();
        }
        user::ReleaseButton(VK_LBUTTON);
        Pump();
    }
};

TEST_F(GridSelectionTest, AClickReportsTheCellAtOnceAsMadeByTheMouseAndActivatesItOnRelease) {
    user::MoveMouseTo(PaneWindow(), CellPoint(2, 1));
    user::PressButton(VK_LBUTTON);
    Pump();
    EXPECT_EQ(table.Take(), (Lines{"selection 9: 2 [3,4)"}));
    user::ReleaseButton(VK_LBUTTON);
    Pump();
    EXPECT_EQ(table.Take(), (Lines{"activated 9 3 2"}));
    EXPECT_EQ(Selected(), "[3,4) x [2,3)");
}

TEST_F(GridSelectionTest, ShiftSpansFromTheAnchorAndCtrlGrowsToTheBoundingRectangle) {
    ClickCell(2, 1);
    ClickCellWith(VK_LSHIFT, 4, 3);
    EXPECT_EQ(Selected(), "[3,6) x [2,5)");
    EXPECT_EQ(table.Take("selection").back(), "selection 9: 2 [3,6) 3 [3,6) 4 [3,6)")
        << "reported on release";
    ClickCellWith(VK_LSHIFT, 0, 0);
    EXPECT_EQ(Selected(), "[1,4) x [1,3)") << "the anchor stays where the plain click was";

    ClickCell(1, 1);
    ClickCellWith(VK_LCONTROL, 3, 3);
    EXPECT_EQ(Selected(), "[2,5) x [2,5)");
}

TEST_F(GridSelectionTest, TheRightShiftAndCtrlKeysAreNoModifiers) {
    ClickCell(2, 1);
    ClickCellWith(VK_RSHIFT, 4, 3);
    EXPECT_EQ(Selected(), "[5,6) x [4,5)");
    ClickCellWith(VK_RCONTROL, 1, 1);
    EXPECT_EQ(Selected(), "[2,3) x [2,3)");
}

TEST_F(GridSelectionTest, ATitleClickSelectsTheColumnAndShiftSpansColumns) {
    user::Click(grid->TitleBar().GetHandle(), TitlePoint(2));
    Pump();
    EXPECT_EQ(Selected(), "[1,31) x [3,4)");
    EXPECT_EQ(table.Take(), (Lines{"selection 9: 3 [1,31)", "activated 9 0 3"}));
    user::KeyDown(VK_LSHIFT);
    user::Click(grid->TitleBar().GetHandle(), TitlePoint(4));
    Pump();
    user::KeyUp(VK_LSHIFT);
    EXPECT_EQ(Selected(), "[1,31) x [3,6)");
}

// Press row 7, drag to 9 and back to 5: the range is the span from the
// pressed row to the pointer, [7, 10) and then [5, 8).
TEST_F(GridSelectionTest, ARowLabelDragSpansFromThePressedRowToThePointerAndIsReportedOnRelease) {
    const HWND rows = grid->RowNumbers().GetHandle();
    user::MoveMouseTo(rows, RowLabelPoint(6));
    user::PressButton(VK_LBUTTON);
    user::MoveMouseTo(rows, RowLabelPoint(8));
    Pump();
    EXPECT_EQ(Selected(), "[7,10) x [1,6)");
    user::MoveMouseTo(rows, RowLabelPoint(4));
    Pump();
    EXPECT_EQ(Selected(), "[5,8) x [1,6)");
    table.Take();
    user::ReleaseButton(VK_LBUTTON);
    Pump();
    EXPECT_EQ(table.Take(),
              (Lines{"selection 8: 1 [5,8) 2 [5,8) 3 [5,8) 4 [5,8) 5 [5,8)", "activated 9 5 0"}));
}

TEST_F(GridSelectionTest, DraggingPastTheLastVisibleRowScrollsDownButNeverUp) {
    const int visible = Pane().VisibleRows();
    ASSERT_GT(Pane().GetClientRect().Height(), visible * 16)
        << "a part of a row shows below the last whole one";
    Drag(PaneWindow(), CellPoint(2, 0),
         {CellPoint(visible - 1, 0), POINT{10, Pane().GetClientRect().Height() - 1}});
    EXPECT_EQ(Pane().TopRow(), 1);
    Drag(PaneWindow(), CellPoint(3, 0), {CellPoint(1, 0), POINT{10, 0}});
    EXPECT_EQ(Pane().TopRow(), 1);
}

TEST_F(GridSelectionTest, ARightClickOnACellOffersTheClientsCommandsForIt) {
    table.items[{3, 2}] = {u"Copy", u"Mark"};
    user::Desktop::Current().Menus().Answer(2);
    ClickCell(2, 1, VK_RBUTTON);
    EXPECT_EQ(table.Take(), (Lines{"selection 9: 2 [3,4)", "activated 12 3 2", "chosen 8 2 3 2 1"}));
    ClickCell(5, 1, VK_RBUTTON);
    EXPECT_EQ(user::Desktop::Current().Menus().Shown().size(), 1u) << "no items, no menu";
}

TEST_F(GridSelectionTest, AClickBelowTheRowsClearsTheSelectionAndReportsOneEmptyBlock) {
    table.storedRows = 4;
    renderer->Refresh();
    ClickCell(1, 1);
    table.Take();
    ClickCell(6, 1);
    EXPECT_EQ(Selected(), "none");
    EXPECT_EQ(table.Take(), (Lines{"selection 8: 0 [0,0)"}));
    grid->Selection().Clear();
    EXPECT_EQ(table.Take(), Lines{}) << "nothing to clear, nothing reported";
}

} // namespace
} // namespace TarvikTest
