// Focus, enabled state, visibility, window text and window longs.

#include <cstring>

#include "ProbeWindows.h"

using State = ProbeWindows;
using Pair = std::pair<HWND, UINT>;

TEST_F(State, FocusMovesWithKillFocusBeforeSetFocus) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    HWND b = Child(top, 2, {0, 0, 10, 10});
    SetFocus(a);
    HWND focusDuringKill = nullptr;
    hook = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KILLFOCUS)
            focusDuringKill = GetFocus();
        return std::nullopt;
    };
    Forget();
    EXPECT_EQ(SetFocus(b), a);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].hwnd, a);
    EXPECT_EQ(log[0].message, WM_KILLFOCUS);
    EXPECT_EQ(log[0].wParam, reinterpret_cast<WPARAM>(b));
    EXPECT_EQ(log[1].hwnd, b);
    EXPECT_EQ(log[1].message, WM_SETFOCUS);
    EXPECT_EQ(log[1].wParam, reinterpret_cast<WPARAM>(a));
    EXPECT_EQ(focusDuringKill, b);
    Forget();
    EXPECT_EQ(SetFocus(b), b); // already there: nothing is sent
    EXPECT_TRUE(log.empty());
}

TEST_F(State, AKillFocusHandlerThatMovesTheFocusWins) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    HWND b = Child(top, 2, {0, 0, 10, 10});
    HWND c = Child(top, 3, {0, 0, 10, 10});
    SetFocus(a);
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == a && m == WM_KILLFOCUS)
            SetFocus(c);
        return std::nullopt;
    };
    Forget();
    SetFocus(b);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_EQ(Only({WM_SETFOCUS, WM_KILLFOCUS}),
              (std::vector<Pair>{{a, WM_KILLFOCUS}, {b, WM_KILLFOCUS}, {c, WM_SETFOCUS}}));
}

TEST_F(State, DisabledWindowsTakeNoFocusAndDisablingDropsIt) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    SetFocus(a);
    Forget();
    EXPECT_FALSE(EnableWindow(a, FALSE)); // was enabled
    EXPECT_EQ(Only({WM_KILLFOCUS, WM_ENABLE}), (std::vector<Pair>{{a, WM_KILLFOCUS}, {a, WM_ENABLE}}));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    Forget();
    EXPECT_TRUE(EnableWindow(a, FALSE)); // no change, no message
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(EnableWindow(a, TRUE));
    EXPECT_EQ(To(a), (std::vector<UINT>{WM_ENABLE}));
    EXPECT_EQ(log.back().wParam, static_cast<WPARAM>(TRUE));
    EXPECT_TRUE(IsWindowEnabled(a));
}

TEST_F(State, HidingAFocusedChildHandsTheFocusToItsParent) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    HWND hiddenChild = Child(top, 2, {0, 0, 10, 10}, WS_CHILD);
    SetFocus(hiddenChild); // hidden windows may take the focus (dialogs do before showing)
    EXPECT_EQ(GetFocus(), hiddenChild);
    SetFocus(a);
    Forget();
    EXPECT_TRUE(ShowWindow(a, SW_HIDE));
    EXPECT_EQ(Only({WM_SHOWWINDOW, WM_KILLFOCUS, WM_SETFOCUS}),
              (std::vector<Pair>{{a, WM_SHOWWINDOW}, {a, WM_KILLFOCUS}, {top, WM_SETFOCUS}}));
    EXPECT_EQ(GetFocus(), top);
    EXPECT_FALSE(IsWindowVisible(a));
    Forget();
    EXPECT_FALSE(ShowWindow(a, SW_HIDE)); // already hidden
    EXPECT_TRUE(log.empty());
}

TEST_F(State, VisibilityNeedsEveryAncestorVisible) {
    HWND top = Top(WS_OVERLAPPED);
    HWND child = Child(top, 1, {0, 0, 10, 10});
    EXPECT_FALSE(IsWindowVisible(child));
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(log.back().message, WM_SHOWWINDOW);
    EXPECT_EQ(log.back().wParam, static_cast<WPARAM>(TRUE));
}

TEST_F(State, GetTextCopiesNothingIntoNoRoomAndCutsWithANul) {
    HWND w = Top();
    SetWindowTextW(w, u"Pressure");
    struct Case {
        WPARAM length;
        LRESULT copied;
        std::u16string text;
    };
    const Case cases[] = {
        {0, 0, u"#########"}, {1, 0, u""}, {4, 3, u"Pre"}, {9, 8, u"Pressure"}, {20, 8, u"Pressure"}};
    for (const Case& c : cases) {
        WCHAR buffer[20];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        buffer[19] = u'\0';
        buffer[9] = u'\0';
        EXPECT_EQ(SendMessageW(w, WM_GETTEXT, c.length, reinterpret_cast<LPARAM>(buffer)), c.copied)
            << c.length;
        EXPECT_EQ(std::u16string(buffer), c.text) << c.length;
    }
    EXPECT_EQ(SendMessageW(w, WM_GETTEXT, 10, 0), 0); // a null buffer
    EXPECT_EQ(GetWindowTextLengthW(w), 8);
    SetWindowTextW(w, nullptr);
    EXPECT_EQ(GetWindowTextLengthW(w), 0);
}

namespace {

WNDPROC previousProc = nullptr;
std::vector<UINT> subclassSaw;

LRESULT Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    subclassSaw.push_back(message);
    if (message == WM_GETTEXTLENGTH)
        return 42;
    return CallWindowProcW(previousProc, hwnd, message, wParam, lParam);
}

} // namespace

TEST_F(State, SubclassingSeesTextCallsAndChainsToThePreviousProcedure) {
    HWND w = Top();
    subclassSaw.clear();
    previousProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(previousProc, &ProbeProc);
    Forget();
    SetWindowTextW(w, u"abc");
    EXPECT_EQ(GetWindowTextLengthW(w), 42);
    WCHAR buffer[8];
    EXPECT_EQ(GetWindowTextW(w, buffer, 8), 3);
    EXPECT_EQ(subclassSaw, (std::vector<UINT>{WM_SETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT}));
    EXPECT_EQ(To(w), (std::vector<UINT>{WM_SETTEXT, WM_GETTEXT})); // passed on
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    EXPECT_EQ(GetWindowTextLengthW(w), 3);
}

TEST_F(State, WindowLongsKeepPointersAndExtraBytes) {
    HWND w = Top();
    int object = 0;
    SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&object));
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&object));
    EXPECT_EQ(SetWindowLongPtrW(w, 8, 0x1122334455667788), 0);
    EXPECT_EQ(GetWindowLongPtrW(w, 8), 0x1122334455667788);
    EXPECT_EQ(GetWindowLongPtrW(w, 9), 0); // would run past the 16 extra bytes
    EXPECT_EQ(SetWindowLongW(w, 12, 5), 0x11223344);
    EXPECT_EQ(GetWindowLongW(w, 12), 5);
    // A pointer does not fit a 32-bit long: refused rather than cut.
    EXPECT_EQ(GetWindowLongW(w, GWL_USERDATA), 0);
    EXPECT_EQ(SetWindowLongW(w, GWL_WNDPROC, 1), 0);
    EXPECT_EQ(GetWindowLongPtrW(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ProbeProc));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)), WS_OVERLAPPED | WS_VISIBLE);
}

TEST_F(State, RegisteredMessagesAreSharedByName) {
    const UINT a = RegisterWindowMessageW(u"ZARGetWindowContext");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(u"zargetwindowcontext"), a);
    EXPECT_NE(RegisterWindowMessageW(u"Other"), a);
    EXPECT_EQ(RegisterWindowMessageW(u""), 0u);
    EXPECT_EQ(RegisterWindowMessageW(nullptr), 0u);
}

TEST_F(State, SystemMetricsAreTheClassicOnes) {
    EXPECT_EQ(GetSystemMetrics(SM_CXHSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
}
