// The row-number strip: row commands, auto-scrolling while dragging, labels.

#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

using Lines = std::vector<std::string>;

class RowNumbersTest : public GridTest {
protected:
    HWND Strip() const { return grid->RowNumbers().GetHandle(); }
    POINT Label(int row) const { return {kRowNumberWidth / 2, (row - Pane().TopRow()) * 16 + 8}; }
};

TEST_F(RowNumbersTest, ARightClickSelectsTheRowActivatesItAndOffersTheRowCommands) {
    table.items[{4, 0}] = {u"Insert Row", u"Delete Row..."};
    user::Desktop::Current().Menus().Answer(2);
    user::Click(Strip(), Label(3), VK_RBUTTON);
    Pump();
    EXPECT_EQ(Selected(), "[4,5) x [1,6)");
    EXPECT_EQ(table.Take(), (Lines{"selection 9: 1 [4,5) 2 [4,5) 3 [4,5) 4 [4,5) 5 [4,5)", "activated 12 4 0",
                                   "chosen 8 2 4 0 1"}));
    const auto& shown = user::Desktop::Current().Menus().Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].items[0].text, u"Insert Row");
    EXPECT_EQ(shown[0].owner, grid->GetHandle());

    table.items.clear();
    user::Click(Strip(), Label(5), VK_RBUTTON);
    Pump();
    EXPECT_EQ(user::Desktop::Current().Menus().Shown().size(), 1u) << "no items, no menu";
}

TEST_F(RowNumbersTest, DraggingAtTheBottomScrollsOneRowPerTimerTickAndCtrlStopsTheDrag) {
    const int last = Pane().VisibleRows() - 1;
    user::MoveMouseTo(Strip(), Label(2));
    user::PressButton(VK_LBUTTON);
    user::MoveMouseTo(Strip(), Label(last));
    Pump();
    EXPECT_EQ(Pane().TopRow(), 0) << "the scroll waits for the timer";
    user::Desktop::Current().Advance(TVF_Grid::RowNumbersPane::kAutoScrollMs);
    EXPECT_EQ(Pane().TopRow(), 1);
    user::Desktop::Current().Advance(100);
    EXPECT_EQ(Pane().TopRow(), 1) << "one row per mouse move";
    EXPECT_EQ(Selected(), "[3,13) x [1,6)");

    user::KeyDown(VK_LCONTROL);
    user::MoveMouseTo(Strip(), Label(5));
    Pump();
    EXPECT_EQ(Selected(), "[3,13) x [1,6)") << "Ctrl held: no drag";
    user::KeyUp(VK_LCONTROL);
    user::ReleaseButton(VK_LBUTTON);
    Pump();
}

TEST_F(RowNumbersTest, ALabelWiderThanTheStripWidensItOnce) {
    table.SetText(2, 0, u"End-systolic volume");
    grid->InvalidateAll();
    Pump();
    const int wide = grid->RowNumberWidth();
    EXPECT_GT(wide, kRowNumberWidth);
    EXPECT_EQ(Pane().GetWindowRect().left - grid->GetWindowRect().left, wide + 1) << "laid out again";
    table.SetText(2, 0, u"ESV");
    grid->InvalidateAll();
    Pump();
    EXPECT_EQ(grid->RowNumberWidth(), wide) << "a narrower label changes nothing";
}

} // namespace
} // namespace TarvikTest
