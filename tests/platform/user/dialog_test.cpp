// Dialogs from templates: the template bytes, creation in dialog units, the
// modal loop run by the test's script, and radio-button groups.

#include <string>
#include <vector>

#include "ProbeWindows.h"
#include "platform/user/DialogTemplate.h"
#include "platform/user/Input.h"
#include "platform/user/combobox.h"

namespace {

constexpr WORD kName = 100, kUnits = 101, kLoud = 102, kFast = 103, kSlow = 104, kOther = 105;

user::DialogTemplate SettingsTemplate() {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 200;
    t.cy = 120;
    t.caption = u"Settings";
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    t.items = {
        {u"Edit", u"", kName, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 80, 12},
        {u"ComboBox", u"", kUnits, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 10, 30, 80, 60},
        {u"Button", u"&Loud", kLoud, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 50, 80, 10},
        {u"Button", u"&Fast", kFast, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 10, 62, 80, 10},
        {u"Button", u"&Slow", kSlow, WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 74, 80, 10},
        {u"Button", u"&Other", kOther, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 100, 62, 80,
         10},
        {u"Button", u"OK", IDOK, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 90, 100, 50, 14},
        {u"Button", u"Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 145, 100, 50, 14},
    };
    return t;
}

// What the dialog procedure saw and what OK read from the controls.
struct Seen {
    LPARAM initParam = 0;
    HWND initFocus = nullptr;
    bool ownerEnabledInside = true;
    std::vector<std::pair<WORD, WORD>> commands; // (id, notification)
    std::u16string name;
    LRESULT units = CB_ERR;
    UINT loud = 0, fast = 0, slow = 0;
};
Seen* seen = nullptr;
HWND owner = nullptr;

INT_PTR SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        seen->initParam = lParam;
        seen->initFocus = reinterpret_cast<HWND>(wParam);
        SendDlgItemMessageW(dialog, kUnits, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"ms"));
        SendDlgItemMessageW(dialog, kUnits, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"s"));
        SendDlgItemMessageW(dialog, kUnits, CB_SETCURSEL, 0, 0);
        CheckRadioButton(dialog, kFast, kSlow, kFast);
        CheckDlgButton(dialog, kOther, BST_CHECKED);
        return TRUE;
    case WM_COMMAND: {
        const WORD id = LOWORD(static_cast<DWORD>(wParam)), code = HIWORD(static_cast<DWORD>(wParam));
        seen->commands.emplace_back(id, code);
        seen->ownerEnabledInside = seen->ownerEnabledInside && IsWindowEnabled(owner);
        if (id == IDOK || id == IDCANCEL) {
            WCHAR text[64];
            GetDlgItemTextW(dialog, kName, text, 64);
            seen->name = text;
            seen->units = SendDlgItemMessageW(dialog, kUnits, CB_GETCURSEL, 0, 0);
            seen->loud = IsDlgButtonChecked(dialog, kLoud);
            seen->fast = IsDlgButtonChecked(dialog, kFast);
            seen->slow = IsDlgButtonChecked(dialog, kSlow);
            EndDialog(dialog, id == IDOK ? 7 : 3);
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

class Dialogs : public ProbeWindows {
protected:
    void SetUp() override {
        ProbeWindows::SetUp();
        seen = &mSeen;
        owner = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE, {100, 50, 900, 650});
        bytes = SettingsTemplate().Build();
    }
    void TearDown() override {
        seen = nullptr;
        owner = nullptr;
        ProbeWindows::TearDown();
    }
    INT_PTR Run(LPARAM param = 0) {
        return DialogBoxIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), owner,
                                       &SettingsProc, param);
    }
    user::ScriptedDialogs& Scripts() { return user::Desktop::Current().Dialogs(); }

    Seen mSeen;
    std::vector<BYTE> bytes;
};

TEST(DialogTemplate, ReadsBackWhatItBuilds) {
    user::DialogTemplate t = SettingsTemplate();
    t.items.push_back({u"MyControl", u"custom", 9, WS_VISIBLE, 1, 2, 3, 4, WS_EX_CLIENTEDGE});
    const std::vector<BYTE> bytes = t.Build();
    const std::optional<user::DialogTemplate> back = user::DialogTemplate::Read(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->style, t.style | DS_SETFONT);
    EXPECT_EQ(back->caption, u"Settings");
    EXPECT_EQ(back->fontFace, u"MS Shell Dlg");
    EXPECT_EQ(back->pointSize, 8);
    ASSERT_EQ(back->items.size(), t.items.size());
    for (std::size_t i = 0; i < t.items.size(); ++i) {
        EXPECT_EQ(back->items[i].className, t.items[i].className);
        EXPECT_EQ(back->items[i].text, t.items[i].text);
        EXPECT_EQ(back->items[i].id, t.items[i].id);
        EXPECT_EQ(back->items[i].style, t.items[i].style);
        EXPECT_EQ(back->items[i].cy, t.items[i].cy);
    }
    EXPECT_EQ(back->items.back().exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    for (std::size_t cut : {std::size_t{10}, bytes.size() / 2, bytes.size() - 1})
        EXPECT_FALSE(user::DialogTemplate::Read(bytes.data(), cut)) << cut;
}

TEST_F(Dialogs, TheScriptActsOnTheControlsAsAUserAndTheDialogEndsWithItsResult) {
    HWND dialogSeen = nullptr;
    Scripts().Script([&](HWND dialog) {
        dialogSeen = dialog;
        EXPECT_FALSE(IsWindowEnabled(owner));
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kName)); // WM_INITDIALOG answered TRUE
        user::TypeText(u"beat");
        user::ChooseItem(GetDlgItem(dialog, kUnits), 1);
        user::Click(GetDlgItem(dialog, kLoud), {2, 2});
        user::Click(GetDlgItem(dialog, kSlow), {2, 2});
        user::Click(GetDlgItem(dialog, IDOK), {5, 5});
    });
    EXPECT_EQ(Run(42), 7);

    EXPECT_EQ(mSeen.initParam, 42);
    EXPECT_EQ(mSeen.name, u"beat");
    EXPECT_EQ(mSeen.units, 1);
    EXPECT_EQ(mSeen.loud, BST_CHECKED);
    EXPECT_EQ(mSeen.slow, BST_CHECKED);
    EXPECT_EQ(mSeen.fast, BST_UNCHECKED); // its group's other button
    EXPECT_FALSE(mSeen.ownerEnabledInside);
    const std::vector<std::pair<WORD, WORD>> kinds = {{kName, EN_CHANGE}, {kUnits, CBN_SELCHANGE}};
    for (const auto& kind : kinds)
        EXPECT_NE(std::find(mSeen.commands.begin(), mSeen.commands.end(), kind), mSeen.commands.end());
    EXPECT_EQ(mSeen.commands.back(), (std::pair<WORD, WORD>{IDOK, BN_CLICKED}));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(dialogSeen));
    ASSERT_EQ(Scripts().Shown().size(), 1u);
    EXPECT_EQ(Scripts().Shown()[0].caption, u"Settings");
    EXPECT_EQ(Scripts().Shown()[0].owner, owner);
}

TEST_F(Dialogs, EnterPressesTheDefaultButtonAndEscapeCancels) {
    Scripts().Script([](HWND) { user::PressKey(VK_RETURN); });
    EXPECT_EQ(Run(), 7);
    Scripts().Script([](HWND) { user::PressKey(VK_ESCAPE); });
    EXPECT_EQ(Run(), 3);
    Scripts().Script([](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); });
    EXPECT_EQ(Run(), 3);
}

TEST_F(Dialogs, AnUnexpectedOrAbandonedDialogFailsTheTestAndLeavesTheOwnerEnabled) {
    EXPECT_THROW(Run(), user::UnexpectedDialog);
    EXPECT_TRUE(IsWindowEnabled(owner));
    Scripts().Script([](HWND) { user::TypeText(u"x"); });
    EXPECT_THROW(Run(), user::UnexpectedDialog);
    EXPECT_TRUE(IsWindowEnabled(owner));
    Scripts().SetDefault(IDCANCEL);
    EXPECT_EQ(Run(), 3);
    EXPECT_EQ(Scripts().Shown().size(), 3u);
}

TEST_F(Dialogs, ControlsAreLaidOutInTheDialogFontsUnitsAndTemplatesComeFromResources) {
    const HMODULE module = reinterpret_cast<HMODULE>(std::uintptr_t{0x7100});
    RegisterResource(module, RT_DIALOG, MAKEINTRESOURCEW(134), 0, bytes);
    Scripts().Script([](HWND dialog) {
        RECT units{10, 30, 90, 42};
        ASSERT_TRUE(MapDialogRect(dialog, &units));
        RECT combo;
        GetWindowRect(GetDlgItem(dialog, kUnits), &combo);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        EXPECT_EQ(combo.left - origin.x, units.left);
        EXPECT_EQ(combo.top - origin.y, units.top);
        EXPECT_EQ(combo.right - combo.left, units.right - units.left);
        EXPECT_GT(units.right - units.left, 80); // an 8-point font is wider than 4 pixels a unit
        EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kUnits), WM_GETFONT, 0, 0),
                  SendMessageW(dialog, WM_GETFONT, 0, 0));
        EXPECT_EQ(LOWORD(static_cast<DWORD>(SendMessageW(dialog, DM_GETDEFID, 0, 0))), IDOK);
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(DialogBoxParamW(module, MAKEINTRESOURCEW(134), owner, &SettingsProc, 0), 3);
    EXPECT_EQ(DialogBoxParamW(module, MAKEINTRESOURCEW(135), owner, &SettingsProc, 0), -1);
    UnregisterResources(module);
}

TEST_F(Dialogs, AModelessDialogStaysUntilDestroyedAndCentresWhenAsked) {
    user::DialogTemplate t = SettingsTemplate();
    t.style |= DS_CENTER;
    const std::vector<BYTE> centred = t.Build();
    HWND dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(centred.data()),
                                             owner, &SettingsProc, 5);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    RECT r;
    GetWindowRect(dialog, &r);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY), &info);
    EXPECT_LE(std::abs((r.left + r.right) - (info.rcWork.left + info.rcWork.right)), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) - (info.rcWork.top + info.rcWork.bottom)), 1);
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)); // EndDialog hides a modeless dialog
    EXPECT_TRUE(DestroyWindow(dialog));
    EXPECT_TRUE(Scripts().Shown().empty());
}

} // namespace
