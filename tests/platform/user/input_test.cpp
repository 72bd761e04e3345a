// The pointer, keys and hooks: routing to the window under the pointer or to
// the capture, WM_SETCURSOR, leave tracking, hooks before delivery, key state.

#include "tests/platform/user/ProbeWindows.h"

#include "platform/user/Input.h"
#include "platform/win32/modules.h"

namespace {

class Input : public ProbeWindows {
protected:
    // (message, x, y) of the mouse messages hwnd received.
    std::vector<std::tuple<UINT, int, int>> Mouse(HWND hwnd) const {
        std::vector<std::tuple<UINT, int, int>> out;
        for (const Received& r : log)
            if (r.hwnd == hwnd && r.message >= WM_MOUSEFIRST && r.message <= WM_MOUSELAST)
                out.emplace_back(r.message, GET_X_LPARAM(r.lParam), GET_Y_LPARAM(r.lParam));
        return out;
    }
    int Count(HWND hwnd, UINT message) const {
        int n = 0;
        for (const Received& r : log)
            n += r.hwnd == hwnd && r.message == message;
        return n;
    }
};

TEST_F(Input, MouseMessagesGoToTheWindowUnderThePointerOrToTheCapture) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {100, 100, 300, 300});
    const HWND child = Child(top, 1, {10, 10, 60, 60});
    Forget();
    user::MoveMouse({120, 125});
    user::PressButton(VK_LBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_EQ(Mouse(child),
              (std::vector<std::tuple<UINT, int, int>>{{WM_MOUSEMOVE, 10, 15}, {WM_LBUTTONDOWN, 10, 15}}));
    SetCapture(child);
    Forget();
    user::MoveMouse({250, 90});
    user::ReleaseButton(VK_LBUTTON);
    user::Desktop::Current().Pump();
    EXPECT_EQ(Mouse(child),
              (std::vector<std::tuple<UINT, int, int>>{{WM_MOUSEMOVE, 140, -20}, {WM_LBUTTONUP, 140, -20}}));
    EXPECT_TRUE(Mouse(top).empty());
}

TEST_F(Input, ATransparentStaticPassesThePointerToItsParentAndSetCursorComesFirst) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND label = CreateWindowExW(0, u"Static", u"x", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr,
                                       nullptr, nullptr);
    const HWND notifying = CreateWindowExW(0, u"Static", u"y", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 100, 0, 50,
                                           50, top, nullptr, nullptr, nullptr);
    EXPECT_EQ(WindowFromPoint({10, 10}), top);
    EXPECT_EQ(WindowFromPoint({110, 10}), notifying);
    Forget();
    user::MoveMouse({10, 10});
    EXPECT_EQ(To(top), (std::vector<UINT>{WM_NCHITTEST, WM_SETCURSOR})) << "the move is queued, not sent";
    user::Desktop::Current().Pump();
    EXPECT_EQ(Count(top, WM_MOUSEMOVE), 1);
    (void)label;
}

TEST_F(Input, LeaveTrackingPostsOneNoticePerArming) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND child = Child(top, 1, {50, 50, 100, 100});
    user::MoveMouse({10, 10});
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, top, HOVER_DEFAULT};
    ASSERT_TRUE(TrackMouseEvent(&track));
    Forget();
    user::MoveMouse({60, 60}); // onto the child: the parent is left
    user::MoveMouse({300, 300});
    user::Desktop::Current().Pump();
    EXPECT_EQ(Count(top, WM_MOUSELEAVE), 1);
    track.hwndTrack = child;
    TrackMouseEvent(&track); // the pointer is elsewhere already
    user::Desktop::Current().Pump();
    EXPECT_EQ(Count(child, WM_MOUSELEAVE), 1);
}

LRESULT SwallowClicks(int code, WPARAM message, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN)
        return 1;
    return CallNextHookEx(nullptr, code, message, lParam);
}

std::vector<UINT> returned;
LRESULT RecordReturns(int, WPARAM, LPARAM lParam) {
    returned.push_back(reinterpret_cast<const CWPRETSTRUCT*>(lParam)->message);
    return 0;
}

TEST_F(Input, HooksSeeInputBeforeTheWindowAndSentMessagesAfter) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HHOOK mouse = SetWindowsHookExW(WH_MOUSE, &SwallowClicks, nullptr, GetCurrentThreadId());
    const HHOOK calls = SetWindowsHookExW(WH_CALLWNDPROCRET, &RecordReturns, nullptr, 0);
    Forget();
    returned.clear();
    user::Click(top, {5, 5});
    user::Desktop::Current().Pump();
    EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(top, WM_LBUTTONUP), 1);
    EXPECT_NE(std::find(returned.begin(), returned.end(), WM_LBUTTONUP), returned.end());
    EXPECT_TRUE(UnhookWindowsHookEx(mouse));
    EXPECT_TRUE(UnhookWindowsHookEx(calls));
    EXPECT_FALSE(UnhookWindowsHookEx(mouse));
}

TEST_F(Input, KeysGoToTheFocusAndLeftAndRightKeysAreKeptApart) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    SetFocus(top);
    Forget();
    user::KeyDown(VK_RCONTROL);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);
    EXPECT_LT(GetKeyState(VK_RCONTROL), 0);
    EXPECT_EQ(GetKeyState(VK_LCONTROL) & 0x8000, 0);
    user::KeyUp(VK_RCONTROL);
    user::TypeText(u"5");
    user::Desktop::Current().Pump();
    EXPECT_EQ(To(top, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP, WM_CHAR}));
    EXPECT_EQ(log[0].wParam, static_cast<WPARAM>(VK_CONTROL));
    EXPECT_EQ(GetAsyncKeyState(VK_CONTROL), 0);
}

TEST_F(Input, ASecondQuickPressOnADoubleClickClassIsADoubleClick) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &ProbeProc;
    c.lpszClassName = u"DoubleProbe";
    RegisterClassW(&c);
    const HWND w = CreateWindowExW(0, u"DoubleProbe", u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                   nullptr, nullptr, nullptr);
    Forget();
    user::Click(w, {5, 5});
    user::Click(w, {5, 6});
    user::Desktop::Current().Advance(600);
    user::Click(w, {5, 6});
    user::Desktop::Current().Pump();
    EXPECT_EQ(Count(w, WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(Count(w, WM_LBUTTONDOWN), 2);
}

} // namespace
