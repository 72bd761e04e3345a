// The bolus edit dialog: one parallel conductance shown in its unit's
// prefixed scale, stored back unprefixed on OK, untouched on Cancel.

#include "core/NumericHelpers.h"
#include "dialogs/EditBolusDlg.h"
#include "tests/dialogs/StepDialogFixture.h"

namespace {

using namespace Tarvik;

class EditBolus : public TarvikTest::StepDialogTest {};

TEST_F(EditBolus, ShowsTheValueInTheUnitAndStoresTheTypedNumberOnOk) {
    const Ovo::Unit micro(L"L", L'\u00B5');
    const struct {
        const char* name;
        double value;
        Ovo::Unit unit;
        std::u16string shown, typed;
        int button;
        INT_PTR result;
        double stored;
    } cases[] = {
        {"OK", 3.14e-6, micro, u"3.14", u"5", IDOK, IDOK, 5e-6},
        {"Cancel", 3.14e-6, micro, u"3.14", u"5", IDCANCEL, IDCANCEL, 3.14e-6},
        {"no prefix", 2.0, Ovo::Unit(L"RVU"), u"2", u"1e-3", IDOK, IDOK, 1e-3},
    };
    for (const auto& c : cases) {
        double value = c.value;
        user::Desktop::Current().Dialogs().Script([&](HWND dialog) {
            WCHAR text[64];
            GetDlgItemTextW(dialog, 1131, text, 64);
            EXPECT_EQ(std::u16string(text), c.shown) << c.name;
            GetDlgItemTextW(dialog, 1133, text, 64);
            EXPECT_EQ(std::u16string(text), c.unit.Text() == L"RVU" ? u"RVU" : u"\u00B5L") << c.name;
            SetFocus(GetDlgItem(dialog, 1131));
            SendDlgItemMessageW(dialog, 1131, EM_SETSEL, 0, -1);
            user::PressKey(VK_DELETE);
            user::TypeText(c.typed);
            user::Click(GetDlgItem(dialog, c.button), {3, 3});
            user::Desktop::Current().Pump();
        });
        EditBolusDlg editor(&value, c.unit);
        EXPECT_EQ(editor.Run(section->GetHandle()), c.result) << c.name;
        EXPECT_DOUBLE_EQ(value, c.stored) << c.name;
    }
}

TEST_F(EditBolus, AFieldWithoutANumberCannotBeConfirmed) {
    for (double start : {1e-6, EmptyValue()}) {
        double value = start;
        user::Desktop::Current().Dialogs().Script([&](HWND dialog) {
            HWND ok = GetDlgItem(dialog, IDOK);
            EXPECT_EQ(IsWindowEnabled(ok) != FALSE, !IsEmptyValue(start)) << "OK starts as the value allows";
            SetFocus(GetDlgItem(dialog, 1131));
            SendDlgItemMessageW(dialog, 1131, EM_SETSEL, 0, -1);
            user::PressKey(VK_DELETE);
            user::Desktop::Current().Pump();
            EXPECT_FALSE(IsWindowEnabled(ok));
            user::TypeText(u"abc");
            user::Desktop::Current().Pump();
            EXPECT_FALSE(IsWindowEnabled(ok));
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
            EXPECT_TRUE(IsWindow(dialog)) << "OK with no number does not close";
            user::Click(GetDlgItem(dialog, IDCANCEL), {3, 3});
            user::Desktop::Current().Pump();
        });
        EditBolusDlg editor(&value, Ovo::Unit(L"L", L'\u00B5'));
        EXPECT_EQ(editor.Run(section->GetHandle()), IDCANCEL);
        EXPECT_TRUE(value == start || (IsEmptyValue(value) && IsEmptyValue(start)));
    }
}

} // namespace
