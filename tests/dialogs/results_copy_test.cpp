// The cuvette view's copy question: the graph as an image (0) or the calibration table (1).

#include "dialogs/ResultsViewCopyDlg.h"
#include "tests/dialogs/StepDialogFixture.h"

namespace {

using namespace Tarvik;

class ResultsCopy : public TarvikTest::StepDialogTest {};

TEST_F(ResultsCopy, OpensOnTheGivenChoiceAndKeepsTheLastClicked) {
    const struct {
        int initial;
        int click; // 0: none
        int button;
        int result;
        int choice;
    } cases[] = {
        {0, 0, IDOK, IDOK, 0}, {1, 0, IDOK, IDOK, 1},    {2, 0, IDOK, IDOK, 0},
        {7, 0, IDOK, IDOK, 1}, {0, 1039, IDOK, IDOK, 1}, {1, 1038, IDCANCEL, IDCANCEL, 0},
    };
    for (const auto& c : cases) {
        user::Desktop::Current().Dialogs().Script([&](HWND dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog, 1038) == BST_CHECKED, c.initial == 0 || c.initial == 2);
            EXPECT_EQ(IsDlgButtonChecked(dialog, 1039) == BST_CHECKED, !(c.initial == 0 || c.initial == 2));
            if (c.click != 0) {
                user::Click(GetDlgItem(dialog, c.click), {3, 3});
                user::Desktop::Current().Pump();
            }
            user::Click(GetDlgItem(dialog, c.button), {3, 3});
            user::Desktop::Current().Pump();
        });
        OWL::TWindow owner(static_cast<OWL::TWindow*>(nullptr), u"owner");
        owner.Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 100, 100, 0};
        ASSERT_TRUE(owner.Create());
        ResultsViewCopyDlg dialog(&owner, MAKEINTRESOURCEW(121), c.initial);
        EXPECT_EQ(dialog.Execute(), c.result) << c.initial;
        EXPECT_EQ(dialog.Choice(), c.choice) << c.initial;
    }
}

} // namespace
