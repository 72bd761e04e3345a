// Editing cells in place: typing opens an edit field on the cell, Enter, Tab
// and a click elsewhere commit, Esc cancels; a choice cell opens a list.

#include <gmock/gmock.h>

#include "platform/user/combobox.h"
#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

using Lines = std::vector<std::string>;

class GridEditingTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        grid->SetStyle(0x1, true); // edit-as-text
        table.SetFlags(3, 2, 0x4); // opens on typing and on a double click
        table.SetFlags(4, 2, 0x4);
        table.SetText(3, 2, u"old");
    }
    HWND Editor() const { return Pane().EditorWindow(); }
    std::u16string EditorText() const {
        char16_t text[1024] = {};
        GetWindowTextW(Editor(), text, 1024);
        return text;
    }
    // Types A on cell (outer) 3:2.
    void OpenByTyping() {
        ClickCell(2, 1);
        Press('A');
        table.Take();
    }
};

TEST_F(GridEditingTest, TypingALetterOpensAnEditorOnTheCellHoldingTheLowerCaseLetter) {
    ClickCell(2, 1);
    EXPECT_EQ(Editor(), nullptr) << "a cell flagged 0x4 does not open on a click";
    Press('A');
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(EditorText(), u"a");
    EXPECT_EQ(GetFocus(), Editor());
    RECT r{};
    GetWindowRect(Editor(), &r);
    POINT corner{r.left, r.top};
    ScreenToClient(PaneWindow(), &corner);
    EXPECT_EQ(corner.x, Pane().Column(1).Left());
    EXPECT_EQ(corner.y, 2 * 16);
}

TEST_F(GridEditingTest, EnterAndTabCommitTheTextAndTheFocusReturnsToTheGrid) {
    OpenByTyping();
    user::TypeText(u"bc");
    Press(VK_RETURN);
    EXPECT_EQ(table.Take(), (Lines{"edited 8 3 2 abc"}));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(GetFocus(), PaneWindow());

    OpenByTyping();
    user::PressKey(VK_TAB);
    Pump();
    EXPECT_EQ(table.Take(), (Lines{"edited 8 3 2 a"})) << "no tab character in the text";
}

TEST_F(GridEditingTest, EscLeavesTheCellAsItWasAlthoughDestroyingTheEditorTakesItsFocus) {
    OpenByTyping();
    user::TypeText(u"bc");
    Press(VK_ESCAPE);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(table.Take("edited"), Lines{});
    EXPECT_EQ(GetFocus(), PaneWindow());
}

TEST_F(GridEditingTest, AClickElsewhereCommits) {
    OpenByTyping();
    ClickCell(5, 3);
    EXPECT_EQ(table.Take("edited"), (Lines{"edited 8 3 2 a"}));
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(GridEditingTest, ACommitTakesAtMost512Characters) {
    OpenByTyping();
    const std::u16string longText(600, u'x');
    SetWindowTextW(Editor(), longText.c_str());
    Press(VK_RETURN);
    EXPECT_EQ(table.Take(), (Lines{"edited 8 3 2 " + std::string(512, 'x')}));
}

TEST_F(GridEditingTest, ADoubleClickOpensTheCellWithItsText) {
    user::Click(PaneWindow(), CellPoint(2, 1));
    user::Click(PaneWindow(), CellPoint(2, 1));
    Pump();
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(EditorText(), u"old");
    EXPECT_THAT(table.Take("activated"), ::testing::Contains("activated 10 3 2"))
        << "a double click activates";
}

TEST_F(GridEditingTest, AChoiceCellOpensAListOnItsValueAndCommitsTheChosenIndex) {
    grid->ChoiceList() = {{0, u"zero"}, {1, u"one"}, {2, u"two"}};
    table.SetFlags(5, 3, 0xA);
    table.SetText(5, 3, u"1");
    ClickCell(4, 2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(SendMessageW(Editor(), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(Editor(), CB_GETCOUNT, 0, 0), 3);
    table.Take();
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(table.Take("edited"), (Lines{"edited 8 5 3 2"}));
}

} // namespace
} // namespace TarvikTest
