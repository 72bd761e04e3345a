// Invalidation and the paint cycle: what accumulates, who is painted when, and
// the device contexts handed out on the way.

#include "ProbeWindows.h"

using Paint = ProbeWindows;
using Pair = std::pair<HWND, UINT>;

TEST_F(Paint, InvalidationsAccumulateIntoOnePaint) {
    HWND w = Top();
    user::Desktop::Current().Pump();
    RECT painted{};
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT ps;
        BeginPaint(h, &ps);
        painted = ps.rcPaint;
        EndPaint(h, &ps);
        return 0;
    };
    const RECT a{10, 10, 20, 20};
    const RECT b{30, 5, 40, 15};
    InvalidateRect(w, &a, FALSE);
    InvalidateRect(w, &b, FALSE);
    Forget();
    EXPECT_EQ(user::Desktop::Current().Pump(), 1);
    EXPECT_EQ(To(w), (std::vector<UINT>{WM_PAINT}));
    EXPECT_TRUE(user::Equal(painted, RECT{10, 5, 40, 20}));
    Forget();
    EXPECT_EQ(user::Desktop::Current().Pump(), 0);
    EXPECT_EQ(user::Desktop::Current().Paint().Outstanding(), 0);
}

TEST_F(Paint, EraseIsSentOnlyWhenAskedFor) {
    HWND w = Top();
    user::Desktop::Current().Pump();
    for (BOOL erase : {FALSE, TRUE}) {
        InvalidateRect(w, nullptr, erase);
        Forget();
        user::Desktop::Current().Pump();
        const std::vector<UINT> expected =
            erase ? std::vector<UINT>{WM_PAINT, WM_ERASEBKGND} : std::vector<UINT>{WM_PAINT};
        EXPECT_EQ(To(w), expected) << erase;
    }
}

TEST_F(Paint, ParentsPaintBeforeChildrenAndAChildDoesNotDirtyItsParent) {
    HWND top = Top(WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = Child(top, 1, {10, 10, 60, 60});
    Forget();
    user::Desktop::Current().Pump();
    EXPECT_EQ(Only({WM_PAINT}), (std::vector<Pair>{{top, WM_PAINT}, {child, WM_PAINT}}));
    InvalidateRect(child, nullptr, TRUE);
    Forget();
    user::Desktop::Current().Pump();
    EXPECT_EQ(Only({WM_PAINT}), (std::vector<Pair>{{child, WM_PAINT}}));
}

TEST_F(Paint, AParentWithoutClipChildrenInvalidatesTheChildrenUnderTheRectangle) {
    struct Case {
        DWORD parentStyle;
        RECT rect;
        bool childPainted;
    };
    const Case cases[] = {
        {WS_OVERLAPPED | WS_VISIBLE, {0, 0, 20, 20}, true},
        {WS_OVERLAPPED | WS_VISIBLE, {100, 100, 120, 120}, false}, // not over the child
        {WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN, {0, 0, 20, 20}, false},
    };
    for (const Case& c : cases) {
        HWND top = Top(c.parentStyle);
        HWND child = Child(top, 1, {10, 10, 60, 60});
        user::Desktop::Current().Pump();
        InvalidateRect(top, &c.rect, FALSE);
        RECT update{};
        EXPECT_EQ(GetUpdateRect(child, &update, FALSE) != 0, c.childPainted) << c.parentStyle;
        if (c.childPainted) {
            EXPECT_TRUE(
                user::Equal(update, RECT{0, 0, 10, 10})); // the covered corner, in the child's coordinates
        }
        DestroyWindow(top);
    }
}

TEST_F(Paint, HiddenWindowsCollectNothingAndShowingPaintsThemWhole) {
    HWND w = Top(WS_OVERLAPPED);
    InvalidateRect(w, nullptr, TRUE);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
    ShowWindow(w, SW_SHOW);
    EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
    EXPECT_TRUE(user::Equal(update, RECT{0, 0, 400, 300}));
}

TEST_F(Paint, UpdateWindowPaintsNowAndValidationCancels) {
    HWND w = Top();
    user::Desktop::Current().Pump();
    InvalidateRect(w, nullptr, FALSE);
    Forget();
    UpdateWindow(w);
    EXPECT_EQ(To(w), (std::vector<UINT>{WM_PAINT}));
    const RECT r{0, 0, 5, 5};
    InvalidateRect(w, &r, FALSE);
    ValidateRect(w, nullptr);
    Forget();
    UpdateWindow(w);
    user::Desktop::Current().Pump();
    EXPECT_TRUE(log.empty());
}

TEST_F(Paint, ValidatingAStripShrinksTheUpdateBox) {
    HWND w = Top();
    user::Desktop::Current().Pump();
    InvalidateRect(w, nullptr, FALSE);
    const RECT top{0, 0, 400, 100};
    ValidateRect(w, &top);
    RECT update;
    GetUpdateRect(w, &update, FALSE);
    EXPECT_TRUE(user::Equal(update, RECT{0, 100, 400, 300}));
    const RECT middle{100, 150, 200, 200}; // a hole would not leave a rectangle: kept
    ValidateRect(w, &middle);
    GetUpdateRect(w, &update, FALSE);
    EXPECT_TRUE(user::Equal(update, RECT{0, 100, 400, 300}));
}

TEST_F(Paint, BeginPaintReportsWhetherTheWindowErased) {
    HWND w = Top();
    user::Desktop::Current().Pump();
    BOOL fErase = -1;
    HDC erasedWith = nullptr;
    HDC paintedWith = nullptr;
    hook = [&](HWND h, UINT m, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_ERASEBKGND) {
            erasedWith = reinterpret_cast<HDC>(wParam);
            return 0; // did not erase
        }
        if (m == WM_PAINT) {
            PAINTSTRUCT ps;
            paintedWith = BeginPaint(h, &ps);
            fErase = ps.fErase;
            EndPaint(h, &ps);
            return 0;
        }
        return std::nullopt;
    };
    InvalidateRect(w, nullptr, TRUE);
    user::Desktop::Current().Pump();
    EXPECT_EQ(fErase, TRUE);
    EXPECT_NE(paintedWith, nullptr);
    EXPECT_EQ(erasedWith, paintedWith);
    EXPECT_EQ(user::Desktop::Current().Paint().Outstanding(), 0);
}

TEST_F(Paint, MovingAChildRepaintsItAndWhereItWas) {
    HWND top = Top(WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = Child(top, 1, {10, 10, 60, 60});
    user::Desktop::Current().Pump();
    MoveWindow(child, 100, 10, 50, 50, TRUE);
    RECT update;
    ASSERT_TRUE(GetUpdateRect(top, &update, FALSE));
    EXPECT_TRUE(user::Equal(update, RECT{10, 10, 60, 60}));
    ASSERT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_TRUE(user::Equal(update, RECT{0, 0, 50, 50}));
    // Without repaint nothing is invalidated.
    user::Desktop::Current().Pump();
    MoveWindow(child, 0, 0, 50, 50, FALSE);
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
}
