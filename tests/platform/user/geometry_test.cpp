// Positions and sizes: synchronous move/size messages, the non-client layout,
// coordinate mapping through nested windows, maximising.

#include "ProbeWindows.h"

using Geometry = ProbeWindows;

TEST_F(Geometry, MoveWindowSendsItsMessagesBeforeReturning) {
    HWND w = Top(WS_OVERLAPPED | WS_VISIBLE, {0, 0, 100, 100});
    Forget();
    MoveWindow(w, 10, 20, 200, 150, TRUE);
    EXPECT_EQ(To(w), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE,
                                        WM_SIZE}));
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, 170);
}

TEST_F(Geometry, OnlyWhatChangedIsReported) {
    HWND w = Top(WS_OVERLAPPED | WS_VISIBLE, {0, 0, 100, 100});
    const std::vector<UINT> ignore{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCCALCSIZE};
    Forget();
    SetWindowPos(w, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(To(w, ignore), (std::vector<UINT>{WM_MOVE}));
    Forget();
    SetWindowPos(w, nullptr, 0, 0, 50, 60, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(To(w, ignore), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(log.back().lParam, MAKELPARAM(50, 60));
    Forget();
    SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOSENDCHANGING);
    EXPECT_EQ(To(w), (std::vector<UINT>{WM_WINDOWPOSCHANGED}));
}

TEST_F(Geometry, WindowPosChangingMayEditTheSize) {
    HWND w = Top(WS_OVERLAPPED | WS_VISIBLE, {0, 0, 100, 100});
    hook = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_WINDOWPOSCHANGING)
            reinterpret_cast<WINDOWPOS*>(l)->cy = 40;
        return std::nullopt;
    };
    MoveWindow(w, 0, 0, 300, 300, TRUE);
    RECT r;
    GetClientRect(w, &r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 40);
    // Not asked with SWP_NOSENDCHANGING.
    SetWindowPos(w, nullptr, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOSENDCHANGING);
    GetClientRect(w, &r);
    EXPECT_EQ(r.bottom, 300);
}

TEST_F(Geometry, TheClientAreaIsWhatTheNonClientLayoutLeaves) {
    struct Case {
        DWORD style;
        DWORD exStyle;
        RECT client; // of a 200 x 100 window at the origin
    };
    const Case cases[] = {
        {WS_CHILD, 0, {0, 0, 200, 100}},
        {WS_CHILD | WS_BORDER, 0, {1, 1, 199, 99}},
        {WS_CHILD, WS_EX_CLIENTEDGE, {2, 2, 198, 98}},
        {WS_CHILD | WS_BORDER | WS_VSCROLL | WS_HSCROLL, 0, {1, 1, 182, 82}},
        {WS_CHILD | WS_CAPTION, 0, {3, 21, 197, 97}},
        {WS_CHILD | WS_CAPTION | WS_THICKFRAME, 0, {4, 22, 196, 96}},
    };
    HWND top = Top(WS_OVERLAPPED | WS_VISIBLE, {0, 0, 400, 400});
    for (const Case& c : cases) {
        HWND w =
            CreateWindowExW(c.exStyle, kClass, u"", c.style, 0, 0, 200, 100, top, nullptr, nullptr, nullptr);
        POINT origin{0, 0};
        MapWindowPoints(w, top, &origin, 1);
        RECT client;
        GetClientRect(w, &client);
        EXPECT_EQ(origin.x, c.client.left) << std::hex << c.style;
        EXPECT_EQ(origin.y, c.client.top) << std::hex << c.style;
        EXPECT_EQ(client.right, c.client.right - c.client.left) << std::hex << c.style;
        EXPECT_EQ(client.bottom, c.client.bottom - c.client.top) << std::hex << c.style;
    }
}

TEST_F(Geometry, PointsMapThroughNestedClientAreas) {
    HWND top = Top(WS_OVERLAPPED | WS_BORDER | WS_VISIBLE, {100, 50, 500, 350}); // client at (101, 51)
    HWND child = Child(top, 1, {10, 20, 110, 120});                              // client at (111, 71)
    HWND grandchild = Child(child, 2, {-5, 5, 45, 55});                          // client at (106, 76)
    POINT p{0, 0};
    ClientToScreen(grandchild, &p);
    EXPECT_EQ(p.x, 106);
    EXPECT_EQ(p.y, 76);
    ScreenToClient(child, &p);
    EXPECT_EQ(p.x, -5);
    EXPECT_EQ(p.y, 5);
    RECT r;
    GetWindowRect(grandchild, &r);
    EXPECT_EQ(r.left, 106);
    EXPECT_EQ(r.top, 76);
    POINT q{1, 2};
    const int offset = MapWindowPoints(grandchild, top, &q, 1);
    EXPECT_EQ(q.x, 6);
    EXPECT_EQ(q.y, 27);
    EXPECT_EQ(GET_X_LPARAM(offset), 5);
    EXPECT_EQ(GET_Y_LPARAM(offset), 25);
}

TEST_F(Geometry, MaximisedChildFillsItsParentAndRestoresItsRectangle) {
    HWND frame = Top(WS_OVERLAPPED | WS_VISIBLE, {0, 0, 640, 480});
    HWND child = Child(frame, 1, {10, 10, 110, 60});
    Forget();
    ShowWindow(child, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(child));
    RECT r;
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 640);
    EXPECT_EQ(r.bottom, 480);
    Received size{};
    for (const Received& m : log) {
        if (m.hwnd == child && m.message == WM_SIZE)
            size = m;
    }
    EXPECT_EQ(size.wParam, SIZE_MAXIMIZED);
    ShowWindow(child, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(child));
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.right, 110);
}

TEST_F(Geometry, NonClientHitTestingFindsClientBorderAndOutside) {
    HWND w = Top(WS_OVERLAPPED | WS_BORDER | WS_VISIBLE, {100, 100, 200, 200});
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTCLIENT);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(100, 150)), HTBORDER);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(99, 150)), HTNOWHERE);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(-150, -150)), HTNOWHERE);
}
