// The single-line edit control: typing through the keyboard, the selection,
// the limit and the EN_CHANGE notices its parent relies on.

#include "ProbeWindows.h"
#include "platform/user/Input.h"

namespace {

class Edit : public ProbeWindows {
protected:
    void SetUp() override {
        ProbeWindows::SetUp();
        parent = Top(WS_POPUP | WS_VISIBLE, {0, 0, 300, 100});
    }
    HWND Make(DWORD style = ES_AUTOHSCROLL, const char16_t* text = u"", int width = 200) {
        const HWND h =
            CreateWindowExW(0, u"Edit", text, WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10, 10, width, 22,
                            parent, reinterpret_cast<HMENU>(std::intptr_t{42}), nullptr, nullptr);
        SetFocus(h);
        return h;
    }
    static std::u16string Text(HWND h) {
        char16_t buffer[600] = {};
        GetWindowTextW(h, buffer, 600);
        return buffer;
    }
    // The notification codes the parent received from the control, in order.
    std::vector<WORD> Notices() const {
        std::vector<WORD> out;
        for (const Received& r : log)
            if (r.hwnd == parent && r.message == WM_COMMAND && LOWORD(static_cast<DWORD>(r.wParam)) == 42)
                out.push_back(HIWORD(static_cast<DWORD>(r.wParam)));
        return out;
    }
    static std::pair<DWORD, DWORD> Selection(HWND h) {
        DWORD start = 0, end = 0;
        SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    static void Keys(std::initializer_list<int> keys) {
        for (int k : keys)
            user::PressKey(k);
        user::Desktop::Current().Pump();
    }
    HWND parent = nullptr;
};

using Codes = std::vector<WORD>;

TEST_F(Edit, KeysTypeTheirCharactersAndEachChangeIsAnnouncedAfterTheTextIsStored) {
    const HWND edit = Make();
    std::vector<std::u16string> seen;
    hook = [&](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (h == parent && m == WM_COMMAND && HIWORD(static_cast<DWORD>(wp)) == EN_CHANGE)
            seen.push_back(Text(edit));
        return std::nullopt;
    };
    Forget();
    Keys({'A', '7', VK_NUMPAD0 + 3, VK_OEM_MINUS, VK_DECIMAL, VK_SPACE});
    user::KeyDown(VK_LSHIFT);
    Keys({'B', VK_OEM_COMMA});
    user::KeyUp(VK_LSHIFT);
    Keys({VK_BACK, VK_TAB, VK_RETURN, VK_ESCAPE});
    EXPECT_EQ(Text(edit), u"a73-. B");
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"a", u"a7", u"a73", u"a73-", u"a73-.", u"a73-. ",
                                                 u"a73-. B", u"a73-. B<", u"a73-. B"}))
        << "tabs, returns and escapes are not taken";
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{7, 7}));
    EXPECT_NE(SendMessageW(edit, EM_GETMODIFY, 0, 0), 0);
    Forget();
    SetWindowTextW(edit, u"12.5");
    EXPECT_EQ(Notices(), Codes{EN_CHANGE}) << "setting the text announces it too";
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));
    EXPECT_EQ(SendMessageW(edit, EM_GETMODIFY, 0, 0), 0);
}

TEST_F(Edit, TypingReplacesTheSelectionAndTheCaretKeysMoveAndExtendIt) {
    const HWND edit = Make(ES_AUTOHSCROLL, u"hello");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 5}));
    user::TypeText(u"x");
    user::Desktop::Current().Pump();
    EXPECT_EQ(Text(edit), u"x");
    SetWindowTextW(edit, u"abcdef");
    Keys({VK_END, VK_LEFT, VK_LEFT});
    user::KeyDown(VK_LSHIFT);
    Keys({VK_LEFT, VK_LEFT});
    user::KeyUp(VK_LSHIFT);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{2, 4}));
    Keys({VK_DELETE});
    EXPECT_EQ(Text(edit), u"abef");
    Keys({VK_HOME, VK_DELETE});
    EXPECT_EQ(Text(edit), u"bef");
    SendMessageW(edit, EM_SETSEL, 1, 2);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"XYZ"));
    EXPECT_EQ(Text(edit), u"bXYZf");
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{4, 4})) << "-1 drops the selection at the caret";
}

TEST_F(Edit, TheLimitHoldsWhatTheUserTypesButNotWhatIsSet) {
    const HWND edit = Make();
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 32767);
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    Forget();
    user::TypeText(u"12345");
    user::Desktop::Current().Pump();
    EXPECT_EQ(Text(edit), u"123");
    EXPECT_EQ(Notices(), (Codes{EN_CHANGE, EN_CHANGE, EN_CHANGE, EN_MAXTEXT, EN_MAXTEXT}));
    SetWindowTextW(edit, u"123456");
    EXPECT_EQ(Text(edit), u"123456");
    SendMessageW(edit, EM_SETSEL, 6, 6);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"7"));
    EXPECT_EQ(Text(edit), u"123456") << "nothing is left of the limit";
}

TEST_F(Edit, StylesFilterAndConvertWhatIsTyped) {
    const HWND number = Make(ES_AUTOHSCROLL | ES_NUMBER);
    user::TypeText(u"4x2-");
    user::Desktop::Current().Pump();
    EXPECT_EQ(Text(number), u"42");
    const HWND upper = Make(ES_AUTOHSCROLL | ES_UPPERCASE);
    user::TypeText(u"mmHg");
    user::Desktop::Current().Pump();
    EXPECT_EQ(Text(upper), u"MMHG");
    const HWND readOnly = Make(ES_AUTOHSCROLL | ES_READONLY, u"fixed");
    user::TypeText(u"z");
    Keys({VK_BACK, VK_DELETE});
    EXPECT_EQ(Text(readOnly), u"fixed");
    const HWND narrow = Make(0, u"", 30);
    user::TypeText(u"wwwwwwwwwwww");
    user::Desktop::Current().Pump();
    EXPECT_LT(Text(narrow).size(), 12u) << "without ES_AUTOHSCROLL the text must fit the control";
    EXPECT_FALSE(Text(narrow).empty());
}

TEST_F(Edit, AClickFocusesAndPlacesTheCaretAndFocusChangesAreAnnounced) {
    const HWND edit = Make(ES_AUTOHSCROLL, u"abcdef");
    SetFocus(parent);
    Forget();
    user::Click(edit, {1, 5});
    user::Desktop::Current().Pump();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));
    user::Click(edit, {190, 5});
    user::Desktop::Current().Pump();
    EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{6, 6})) << "right of the text: the end";
    SetFocus(parent);
    EXPECT_EQ(Notices(), (Codes{EN_SETFOCUS, EN_KILLFOCUS}));
    EXPECT_EQ(SendMessageW(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
}

} // namespace
