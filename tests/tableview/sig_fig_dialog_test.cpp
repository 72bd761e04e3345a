// The significant-figures dialog, run modally and answered by scripts.

#include <gtest/gtest.h>

#include "controls/IntEdit.h"
#include "platform/user/Input.h"
#include "tableview/SigFigDialog.h"
#include "tests/controls/ControlsTest.h"

namespace {

using controls_test::ControlsTest;

class SigFigDialogs : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        frame = Frame(100, 100, 300, 200);
        ASSERT_TRUE(frame->Create());
    }
    void TearDown() override {
        frame.reset();
        ControlsTest::TearDown();
    }
    static std::u16string Text(HWND dialog, int id) {
        WCHAR text[32] = {};
        GetDlgItemTextW(dialog, id, text, 32);
        return text;
    }
    static void Type(HWND dialog, std::u16string_view text) {
        SetFocus(GetDlgItem(dialog, 1001));
        SendDlgItemMessageW(dialog, 1001, EM_SETSEL, 0, -1);
        user::TypeText(text);
        user::Desktop::Current().Pump();
    }
    std::unique_ptr<OWL::TWindow> frame;
};

TEST_F(SigFigDialogs, OpensWithTheFieldsRefusesElevenAndGivesThreeOnOk) {
    TableView::SigFigDialog dialog(frame.get());
    std::u16string shown;
    UINT checked = 9;
    int upper = 0, lower = 0;
    user::Desktop::Current().Dialogs().Script([&](HWND d) {
        shown = Text(d, 1001);
        checked = IsDlgButtonChecked(d, 1002);
        SendDlgItemMessageW(d, 1003, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                            reinterpret_cast<LPARAM>(&upper));
        Type(d, u"11");
        user::Desktop::Current().MessageBoxes().Answer(IDOK);
        SendMessageW(d, WM_COMMAND, IDOK, 0); // refused: the field's box, the dialog stays
        EXPECT_TRUE(IsWindowVisible(d));
        Type(d, u"3");
        CheckDlgButton(d, 1002, BST_CHECKED);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(shown, u"4");
    EXPECT_EQ(checked, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 10);
    ASSERT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
    EXPECT_EQ(user::Desktop::Current().MessageBoxes().Shown()[0].text, u"Value is not in the range 1 to 10.");
    EXPECT_EQ(dialog.significantFigures, 3);
    EXPECT_TRUE(dialog.applyToAll);
}

TEST_F(SigFigDialogs, CancelLeavesTheFieldsAsTheyWere) {
    TableView::SigFigDialog dialog(frame.get());
    dialog.significantFigures = 6;
    user::Desktop::Current().Dialogs().Script([&](HWND d) {
        EXPECT_EQ(Text(d, 1001), u"6");
        Type(d, u"2");
        SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dialog.significantFigures, 6);
    EXPECT_FALSE(dialog.applyToAll);
}

} // namespace
