// The grid's keys: moving and extending the selection, paging, Tab, Delete.

#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

using Lines = std::vector<std::string>;

class GridKeysTest : public GridTest {
protected:
    void ShiftPress(int key) {
        user::KeyDown(VK_LSHIFT);
        Press(key);
        user::KeyUp(VK_LSHIFT);
        Pump();
    }
};

TEST_F(GridKeysTest, ArrowsMoveFromTheAnchorAndShiftArrowsGrowTheSelection) {
    ClickCell(3, 1);
    ShiftPress(VK_DOWN);
    ShiftPress(VK_DOWN);
    ShiftPress(VK_RIGHT);
    EXPECT_EQ(Selected(), "[4,7) x [2,4)");
    Press(VK_DOWN);
    EXPECT_EQ(Selected(), "[5,6) x [2,3)") << "one row below the anchor";
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(Selected(), "[5,6) x [1,2)") << "not before the first column";
    ShiftPress(VK_UP);
    Press(VK_RIGHT);
    EXPECT_EQ(Selected(), "[5,6) x [2,3)");
    Press(VK_ESCAPE);
    EXPECT_EQ(Selected(), "none");
}

TEST_F(GridKeysTest, HomeEndAndThePageKeysScrollByTheVisiblePage) {
    ClickCell(0, 0);
    const int visible = Pane().VisibleRows();
    const int lastTop = 30 - visible;
    Press(VK_END);
    EXPECT_EQ(Pane().TopRow(), lastTop);
    Press(VK_HOME);
    EXPECT_EQ(Pane().TopRow(), 0);

    // F = 16 and L = 16 + visible: PageUp goes to row 2F - L, PageDown to L.
    grid->ScrollToRow(16, 1);
    Press(VK_PRIOR);
    EXPECT_EQ(Pane().TopRow(), 16 - visible - 1);
    Press(VK_NEXT);
    EXPECT_EQ(Pane().TopRow(), 15);
    Press(VK_NEXT);
    EXPECT_EQ(Pane().TopRow(), lastTop) << "the last page stays full";
    Press(VK_PRIOR);
    Press(VK_PRIOR);
    Press(VK_PRIOR);
    EXPECT_EQ(Pane().TopRow(), 0) << "not above the first row";

    ShiftPress(VK_END);
    EXPECT_EQ(Selected(), "[1,31) x [1,2)") << "Shift extends the selection to the last row";
}

TEST_F(GridKeysTest, TabMovesRightExceptOnACellFlaggedToMoveDown) {
    table.SetFlags(3, 2, 0x800);
    ClickCell(1, 1);
    Press(VK_TAB);
    EXPECT_EQ(Selected(), "[2,3) x [3,4)");
    ClickCell(2, 1);
    Press(VK_TAB);
    EXPECT_EQ(Selected(), "[4,5) x [2,3)");
}

TEST_F(GridKeysTest, DeleteClearsEachSelectedCellWithItsPlaceInTheBlock) {
    ClickCell(1, 1);
    ClickCellWith(VK_LSHIFT, 2, 2);
    table.Take();
    Press(VK_DELETE);
    EXPECT_EQ(table.Take(),
              (Lines{"chosen 10 1 2 2 0", "chosen 8 1 2 3 0", "chosen 8 1 3 2 0", "chosen 12 1 3 3 0"}));

    table.chosenAnswer = S_FALSE;
    ClickCell(4, 3);
    table.Take();
    Press(VK_BACK);
    EXPECT_EQ(table.Take(), (Lines{"chosen 1 1 5 4 0", "edited 8 5 4 "}))
        << "a non-zero answer empties the cell";
}

TEST_F(GridKeysTest, KeysOnAGridWithoutRowsAreSwallowed) {
    table.storedRows = 1;
    renderer->Refresh();
    EXPECT_TRUE(grid->OnKeyDown(VK_DOWN, 1, 0));
    EXPECT_TRUE(grid->OnKeyDown(VK_NEXT, 1, 0));
    EXPECT_EQ(Pane().TopRow(), 0);
    EXPECT_EQ(table.Take(), Lines{});
}

} // namespace
} // namespace TarvikTest
