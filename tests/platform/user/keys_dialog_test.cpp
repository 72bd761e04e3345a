// Keys turned into characters, dialog navigation with WM_GETDLGCODE, the
// context menu from a right click, swapped mouse buttons and the focus of a
// window being destroyed.

#include <algorithm>

#include "ProbeWindows.h"
#include "platform/user/Input.h"

namespace {

class KeysAndDialogs : public ProbeWindows {
protected:
    std::u16string Characters(HWND hwnd) const {
        std::u16string out;
        for (const Received& r : log)
            if (r.hwnd == hwnd && r.message == WM_CHAR)
                out.push_back(static_cast<char16_t>(r.wParam));
        return out;
    }
    HWND Control(HWND parent, const char16_t* cls, int id, DWORD style, int y) {
        return CreateWindowExW(0, cls, u"", WS_CHILD | WS_VISIBLE | style, 10, y, 80, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
    }
    // Offers the key to the dialog as a message loop would.
    BOOL Offer(HWND dialog, int key) {
        MSG msg{GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {0, 0}};
        return IsDialogMessageW(dialog, &msg);
    }
    std::vector<std::pair<int, HWND>> Commands(HWND dialog) const {
        std::vector<std::pair<int, HWND>> out;
        for (const Received& r : log)
            if (r.hwnd == dialog && r.message == WM_COMMAND)
                out.emplace_back(LOWORD(static_cast<DWORD>(r.wParam)), reinterpret_cast<HWND>(r.lParam));
        return out;
    }
};

TEST_F(KeysAndDialogs, KeyDownsTranslateToTheirCharactersBeforeTheKeyUp) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    SetFocus(top);
    Forget();
    for (int key : std::initializer_list<int>{'Q', '0', '9', VK_NUMPAD0 + 7, VK_SUBTRACT, VK_OEM_PERIOD,
                                              VK_OEM_2, VK_OEM_7, VK_LEFT, VK_F1})
        user::PressKey(key);
    user::Desktop::Current().Pump(); // Shift is read as the keys are translated
    user::KeyDown(VK_RSHIFT);
    for (int key : std::initializer_list<int>{'Q', '1', VK_OEM_1, VK_OEM_MINUS})
        user::PressKey(key);
    user::Desktop::Current().Pump();
    user::KeyUp(VK_RSHIFT);
    user::KeyDown(VK_LCONTROL);
    user::PressKey('C');
    user::PressKey('5');
    user::Desktop::Current().Pump();
    user::KeyUp(VK_LCONTROL);
    user::Desktop::Current().Pump();
    EXPECT_EQ(Characters(top), u"q097-./'Q!:_\x03") << "arrows and function keys type nothing; Ctrl+C is 3";
    EXPECT_EQ(To(top, {WM_PAINT, WM_ERASEBKGND, WM_KEYUP}).front(), WM_KEYDOWN);
    EXPECT_EQ(To(top, {WM_PAINT, WM_ERASEBKGND}).at(1), WM_CHAR) << "the character comes before the key-up";
}

TEST_F(KeysAndDialogs, TabMovesAlongTheTabStopsAndSelectsAnEditsText) {
    const HWND dialog = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND first = Control(dialog, u"Edit", 10, WS_TABSTOP, 0);
    SetWindowTextW(first, u"abc");
    const HWND label = Control(dialog, u"Static", 11, 0, 25);
    const HWND panel = Child(dialog, 12, {0, 50, 200, 150});
    SetWindowLongPtrW(panel, GWL_EXSTYLE, WS_EX_CONTROLPARENT);
    const HWND inner = Control(panel, u"Edit", 13, WS_TABSTOP, 0);
    SetWindowTextW(inner, u"xyz");
    const HWND disabled = Control(dialog, u"Button", 14, WS_TABSTOP | WS_DISABLED, 160);
    const HWND button = Control(dialog, u"Button", 15, WS_TABSTOP, 180);
    (void)label;
    (void)disabled;
    SetFocus(first);
    EXPECT_TRUE(Offer(dialog, VK_TAB));
    EXPECT_EQ(GetFocus(), inner) << "into the control parent, past the static";
    DWORD start = 9, end = 9;
    SendMessageW(inner, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
    Offer(dialog, VK_TAB);
    EXPECT_EQ(GetFocus(), button) << "past the disabled button";
    Offer(dialog, VK_TAB);
    EXPECT_EQ(GetFocus(), first) << "around to the first";
    user::KeyDown(VK_LSHIFT);
    Offer(dialog, VK_TAB);
    user::KeyUp(VK_LSHIFT);
    EXPECT_EQ(GetFocus(), button);
    EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, FALSE), first);
    EXPECT_EQ(GetNextDlgTabItem(dialog, nullptr, TRUE), button);
}

TEST_F(KeysAndDialogs, EnterAndEscCommandTheDialogUnlessTheControlKeepsTheKey) {
    const HWND dialog = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND edit = Control(dialog, u"Edit", 10, WS_TABSTOP, 0);
    const HWND keeper = Child(dialog, 11, {0, 40, 50, 60}, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    const HWND cancel = Control(dialog, u"Button", IDCANCEL, WS_TABSTOP, 100);
    hook = [&](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (h == keeper && m == WM_GETDLGCODE)
            return wp == VK_RETURN ? DLGC_WANTALLKEYS : DLGC_WANTTAB;
        if (h == dialog && m == DM_GETDEFID)
            return MAKELRESULT(77, DC_HASDEFID);
        return std::nullopt;
    };
    SetFocus(edit);
    Forget();
    EXPECT_TRUE(Offer(dialog, VK_RETURN));
    EXPECT_TRUE(Offer(dialog, VK_ESCAPE));
    EXPECT_EQ(Commands(dialog), (std::vector<std::pair<int, HWND>>{{77, nullptr}, {IDCANCEL, cancel}}));
    SetFocus(keeper);
    Forget();
    EXPECT_TRUE(Offer(dialog, VK_RETURN)) << "taken, and dispatched to the control";
    EXPECT_TRUE(Offer(dialog, VK_TAB));
    EXPECT_TRUE(Commands(dialog).empty());
    EXPECT_EQ(GetFocus(), keeper);
    EXPECT_EQ(To(keeper, {WM_GETDLGCODE}), (std::vector<UINT>{WM_KEYDOWN, WM_KEYDOWN}));
    const HWND elsewhere = Top(WS_POPUP | WS_VISIBLE, {300, 0, 400, 100});
    MSG other{elsewhere, WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
    EXPECT_FALSE(IsDialogMessageW(dialog, &other)) << "not the dialog's";
}

TEST_F(KeysAndDialogs, ArrowsMoveWithinTheFocusGroup) {
    const HWND dialog = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND a = Control(dialog, u"Button", 1, WS_GROUP | WS_TABSTOP, 0);
    const HWND b = Control(dialog, u"Button", 2, 0, 25);
    const HWND c = Control(dialog, u"Button", 3, WS_GROUP | WS_TABSTOP, 50);
    SetFocus(b);
    Offer(dialog, VK_DOWN);
    EXPECT_EQ(GetFocus(), a) << "wrapping within the group of a and b";
    Offer(dialog, VK_UP);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(GetNextDlgGroupItem(dialog, c, FALSE), c) << "alone in its group";
}

TEST_F(KeysAndDialogs, ARightButtonReleaseAsksForTheContextMenuWhichChildrenPassUp) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {100, 100, 300, 300});
    const HWND child = Child(top, 1, {10, 20, 60, 60});
    Forget();
    user::Click(child, {5, 6}, VK_RBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_EQ(Only({WM_RBUTTONUP, WM_CONTEXTMENU}),
              (std::vector<std::pair<HWND, UINT>>{
                  {child, WM_RBUTTONUP}, {child, WM_CONTEXTMENU}, {top, WM_CONTEXTMENU}}));
    const Received& menu = *std::find_if(log.begin(), log.end(), [&](const Received& r) {
        return r.hwnd == top && r.message == WM_CONTEXTMENU;
    });
    EXPECT_EQ(reinterpret_cast<HWND>(menu.wParam), child);
    EXPECT_EQ(GET_X_LPARAM(menu.lParam), 115);
    EXPECT_EQ(GET_Y_LPARAM(menu.lParam), 126);
}

TEST_F(KeysAndDialogs, SwappedButtonsMakeThePhysicalRightButtonThePrimaryOne) {
    user::Desktop::Current().Settings().swapButtons = true;
    EXPECT_EQ(GetSystemMetrics(SM_SWAPBUTTON), 1);
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    Forget();
    user::MoveMouseTo(top, {5, 5});
    user::PressButton(VK_RBUTTON);
    EXPECT_LT(GetAsyncKeyState(VK_RBUTTON), 0) << "the physical button";
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0) << "the logical one";
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
    user::ReleaseButton(VK_RBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_EQ(To(top, {WM_MOUSEMOVE, WM_SETCURSOR, WM_NCHITTEST, WM_PAINT, WM_ERASEBKGND}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(KeysAndDialogs, AHiddenWindowDestroyedWithTheFocusGetsKillFocusFirst) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    const HWND hidden = Child(top, 1, {0, 0, 10, 10}, WS_CHILD);
    SetFocus(hidden);
    ASSERT_EQ(GetFocus(), hidden);
    Forget();
    DestroyWindow(hidden);
    EXPECT_EQ(Only({WM_KILLFOCUS, WM_SETFOCUS, WM_DESTROY}),
              (std::vector<std::pair<HWND, UINT>>{
                  {hidden, WM_KILLFOCUS}, {top, WM_SETFOCUS}, {hidden, WM_DESTROY}}));
}

} // namespace
