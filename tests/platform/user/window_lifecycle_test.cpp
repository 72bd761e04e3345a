// Creation and destruction: the order of messages, the tree they leave, and what
// happens to handles, focus, capture, timers and queued messages of a window
// that is gone.

#include "ProbeWindows.h"

using Lifecycle = ProbeWindows;
using Pair = std::pair<HWND, UINT>;

TEST_F(Lifecycle, CreationSendsItsMessagesInOrderAndShowsLast) {
    HWND hidden = Top(WS_OVERLAPPED);
    EXPECT_EQ(To(hidden), (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    Forget();
    HWND shown = Top(WS_OVERLAPPED | WS_VISIBLE);
    EXPECT_EQ(To(shown),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_FALSE(IsWindowVisible(hidden));
}

TEST_F(Lifecycle, CreationMessagesCarryTheCreateRecordAndTheClientGeometry) {
    const char16_t* seenName = nullptr;
    LONG seenStyle = 0;
    int marker = 7;
    void* seenParam = nullptr;
    hook = [&](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_CREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(l);
            seenName = cs->lpszName;
            seenStyle = cs->style;
            seenParam = cs->lpCreateParams;
        }
        return std::nullopt;
    };
    HWND w = CreateWindowExW(WS_EX_CLIENTEDGE, kClass, u"Title", WS_OVERLAPPED | WS_BORDER | WS_VISIBLE, 10,
                             20, 200, 100, nullptr, nullptr, nullptr, &marker);
    EXPECT_EQ(std::u16string(seenName), u"Title");
    EXPECT_EQ(seenStyle, static_cast<LONG>(WS_OVERLAPPED | WS_BORDER | WS_VISIBLE));
    EXPECT_EQ(seenParam, &marker);
    // Border 1 and client edge 2 on each side: client 194 x 94 at (13, 23) on the screen.
    for (const Received& r : log) {
        if (r.message == WM_SIZE) {
            EXPECT_EQ(r.lParam, MAKELPARAM(194, 94));
        }
        if (r.message == WM_MOVE) {
            EXPECT_EQ(r.lParam, MAKELPARAM(13, 23));
        }
    }
    WCHAR text[16];
    EXPECT_EQ(GetWindowTextW(w, text, 16), 5);
    EXPECT_EQ(std::u16string(text), u"Title");
}

TEST_F(Lifecycle, RefusedCreationLeavesNoWindow) {
    struct Case {
        UINT message;
        LRESULT answer;
        std::vector<UINT> expected;
    };
    const Case cases[] = {
        {WM_NCCREATE, FALSE, {WM_NCCREATE, WM_NCDESTROY}},
        {WM_CREATE, -1, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
    };
    for (const Case& c : cases) {
        Forget();
        hook = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            return m == c.message ? std::optional<LRESULT>(c.answer) : std::nullopt;
        };
        HWND parent = Top();
        EXPECT_EQ(parent, nullptr);
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(To(log.front().hwnd), c.expected);
        EXPECT_FALSE(IsWindow(log.front().hwnd));
    }
}

TEST_F(Lifecycle, ChildNeedsAValidParent) {
    EXPECT_EQ(Child(nullptr, 1, {0, 0, 10, 10}), nullptr);
    HWND gone = Top();
    DestroyWindow(gone);
    EXPECT_EQ(Child(gone, 1, {0, 0, 10, 10}), nullptr);
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
}

TEST_F(Lifecycle, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    HWND a1 = Child(a, 11, {0, 0, 5, 5});
    HWND b = Child(top, 2, {10, 0, 20, 10});
    Forget();
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_EQ(Only({WM_DESTROY, WM_NCDESTROY}), (std::vector<Pair>{{top, WM_DESTROY},
                                                                   {a, WM_DESTROY},
                                                                   {a1, WM_DESTROY},
                                                                   {b, WM_DESTROY},
                                                                   {a1, WM_NCDESTROY},
                                                                   {a, WM_NCDESTROY},
                                                                   {b, WM_NCDESTROY},
                                                                   {top, WM_NCDESTROY}}));
    for (HWND h : {top, a, a1, b})
        EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(Lifecycle, DestroyTakesFocusAndCaptureAwayBeforeWmDestroy) {
    HWND top = Top();
    HWND child = Child(top, 1, {0, 0, 10, 10});
    SetFocus(child);
    SetCapture(child);
    Forget();
    DestroyWindow(child);
    EXPECT_EQ(Only({WM_KILLFOCUS, WM_SETFOCUS, WM_CAPTURECHANGED, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<Pair>{{child, WM_KILLFOCUS},
                                 {top, WM_SETFOCUS},
                                 {child, WM_CAPTURECHANGED},
                                 {child, WM_DESTROY},
                                 {child, WM_NCDESTROY}}));
    EXPECT_EQ(GetFocus(), top);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Lifecycle, DestroyingAnOwnerDestroysItsOwnedWindowsFirst) {
    HWND owner = Top();
    HWND child = Child(owner, 1, {0, 0, 10, 10});
    HWND popup = Top(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50}, child); // owner becomes the top-level ancestor
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    Forget();
    DestroyWindow(owner);
    EXPECT_EQ(Only({WM_DESTROY}).front(), (Pair{popup, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(Lifecycle, HandlersMayDestroyWindowsWhileTheyAreBeingDestroyed) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    HWND b = Child(top, 2, {0, 0, 10, 10});
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DESTROY && h == top)
            DestroyWindow(b); // a framework tearing down its children itself
        if (m == WM_DESTROY && h == a)
            DestroyWindow(a); // and a window destroying itself again
        return std::nullopt;
    };
    Forget();
    DestroyWindow(top);
    EXPECT_EQ(Only({WM_DESTROY, WM_NCDESTROY}), (std::vector<Pair>{{top, WM_DESTROY},
                                                                   {b, WM_DESTROY},
                                                                   {b, WM_NCDESTROY},
                                                                   {a, WM_DESTROY},
                                                                   {a, WM_NCDESTROY},
                                                                   {top, WM_NCDESTROY}}));
    EXPECT_EQ(user::Desktop::Current().Windows().Count(), 0u);
}

TEST_F(Lifecycle, WindowsClosedByWmCloseAreGoneAndTheirQueuedMessagesDropped) {
    HWND top = Top();
    PostMessageW(top, WM_USER + 1, 0, 0);
    SendMessageW(top, WM_CLOSE, 0, 0); // DefWindowProcW destroys
    EXPECT_FALSE(IsWindow(top));
    Forget();
    user::Desktop::Current().Pump();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(SendMessageW(top, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessageW(top, WM_USER, 0, 0));
}

TEST_F(Lifecycle, ChildrenStackInCreationOrder) {
    HWND top = Top();
    HWND a = Child(top, 1, {0, 0, 10, 10});
    HWND b = Child(top, 2, {0, 0, 10, 10});
    HWND c = Child(top, 3, {0, 0, 10, 10});
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDLAST), c);
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), c);
    SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
    EXPECT_EQ(GetDlgItem(top, 2), b);
    EXPECT_EQ(GetDlgCtrlID(c), 3);
    EXPECT_EQ(GetParent(b), top);
    EXPECT_TRUE(IsChild(top, b));
    EXPECT_FALSE(IsChild(b, top));
    EXPECT_EQ(GetParent(top), nullptr);
}

TEST_F(Lifecycle, ClassesAreFoundByNameWhateverTheCaseAndStayWhileInUse) {
    WNDCLASSW again{};
    again.lpfnWndProc = &ProbeProc;
    again.lpszClassName = u"PROBE";
    EXPECT_EQ(RegisterClassW(&again), 0);
    HWND w = CreateWindowExW(0, u"pRoBe", u"", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    WCHAR name[4];
    EXPECT_EQ(GetClassNameW(w, name, 4), 3); // cut to the buffer, with its NUL
    EXPECT_EQ(std::u16string(name), u"Pro");
    EXPECT_FALSE(UnregisterClassW(kClass, nullptr));
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassW(kClass, nullptr));
}
