// Columns on the title bar: resizing by the border, selecting, moving, and
// what the grid tells its observers.

#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

using Lines = std::vector<std::string>;

class GridColumnsTest : public GridTest {
protected:
    HWND Bar() const { return grid->TitleBar().GetHandle(); }
    int RightEdge(int col) const { return Pane().Column(col).Right() - Pane().HOffset(); }
    int Middle(int col) const {
        return Pane().Column(col).Left() - Pane().HOffset() + Pane().Column(col).Width() / 2;
    }
    void DragOnBar(int fromX, int toX) {
        user::MoveMouseTo(Bar(), {fromX, 5});
        user::PressButton(VK_LBUTTON);
        Pump();
        user::MoveMouseTo(Bar(), {toX, 5});
        Pump();
        user::ReleaseButton(VK_LBUTTON);
        Pump();
    }
};

TEST_F(GridColumnsTest, APressThreePixelsLeftOfAnEdgeResizesAndFivePixelsLeftSelects) {
    grid->SetColumnResizing(true);
    DragOnBar(RightEdge(1) - 3, RightEdge(1) + 17);
    EXPECT_EQ(Pane().Column(1).Width(), 80);
    EXPECT_EQ(Pane().Column(2).Left(), Pane().Column(1).Right() + 1) << "later columns follow";
    EXPECT_EQ(notices.notices.back(), "7 2,80");
    grid->Selection().Clear();

    user::Click(Bar(), {RightEdge(2) - 5, 5});
    Pump();
    EXPECT_EQ(Selected(), "[1,31) x [3,4)");
    EXPECT_EQ(Pane().Column(2).Width(), 60);
}

TEST_F(GridColumnsTest, AShrinkBelowTheMinimumTakesTheRestFromTheLeft) {
    grid->SetColumnResizing(true);
    // Column 1 may lose 55 pixels; the other 20 come from column 0.
    DragOnBar(RightEdge(1), RightEdge(1) - 75);
    EXPECT_EQ(Pane().Column(1).Width(), 5);
    EXPECT_EQ(Pane().Column(0).Width(), 40);
}

TEST_F(GridColumnsTest, DraggingATitleOntoAnotherMovesItAndOntoItselfSelectsIt) {
    grid->SetStyle(0x10, true); // column moves allowed
    DragOnBar(Middle(0), Middle(2));
    EXPECT_EQ(notices.notices.back(), "a 1,3");
    EXPECT_EQ(Selected(), "[1,31) x [1,2)") << "the press selected the column";
    grid->Selection().Clear();
    notices.notices.clear();
    table.Take();

    DragOnBar(Middle(1), Middle(1) + 10);
    EXPECT_EQ(notices.notices, Lines{});
    EXPECT_EQ(Selected(), "[1,31) x [2,3)");
    EXPECT_EQ(table.Take("activated"), (Lines{"activated 9 0 2"}));
}

TEST_F(GridColumnsTest, DraggingAcrossTitlesSelectsColumnsAndScrollsPastTheLastWholeOne) {
    for (DWORD& w : table.widths)
        w = 150;
    renderer->Refresh();
    Pump();
    ASSERT_EQ(Pane().FullyVisibleColumnCount(), 2);
    DragOnBar(Middle(0), Pane().Column(2).Left() + 10);
    EXPECT_EQ(Selected(), "[1,31) x [1,4)");
    EXPECT_EQ(Pane().FirstColumn(), 1);
}

TEST_F(GridColumnsTest, TheCursorShowsABorderOnlyWhileResizingIsAllowed) {
    grid->SetColumnResizing(true);
    user::MoveMouseTo(Bar(), {RightEdge(0) + 2, 5});
    Pump();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZEWE));
    user::MoveMouseTo(Bar(), {Middle(0), 5});
    Pump();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(GridColumnsTest, ARightClickOnATitleOffersTheClientsChoicesForTheColumn) {
    table.items[{0, 2}] = {u"Hide", u"Sort"};
    user::Desktop::Current().Menus().Answer(2);
    user::Click(Bar(), {Middle(1), 5}, VK_RBUTTON);
    Pump();
    const auto& shown = user::Desktop::Current().Menus().Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].items[1].text, u"Sort");
    EXPECT_EQ(shown[0].flags, 0x182u);
    EXPECT_EQ(table.Take(), (Lines{"selection 9: 2 [1,31)", "activated 12 0 2", "chosen 8 2 0 2 1"}));
}

TEST_F(GridColumnsTest, AClickOnTheControlOutsideItsChildrenIsNotified) {
    user::Click(grid->GetHandle(), {5, 5});
    Pump();
    EXPECT_EQ(notices.notices, (Lines{"d"}));
}

} // namespace
} // namespace TarvikTest
