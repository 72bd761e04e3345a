// Scroll bar controls (their information, the actions the pointer and keys
// report) and ScrollWindowEx (pixels moved, only the uncovered band repainted).

#include "ProbeWindows.h"
#include "platform/gdi/gdi.h"
#include "platform/user/Input.h"
#include "platform/user/WindowSurfaces.h"

namespace {

class Scrolling : public ProbeWindows {
protected:
    // A vertical bar 17 x 117 in a probe parent: arrows of 17, a track of 83.
    HWND Bar(HWND parent, DWORD style = SBS_VERT) {
        return CreateWindowExW(0, u"ScrollBar", u"", WS_CHILD | WS_VISIBLE | style, 10, 10,
                               style & SBS_VERT ? 17 : 117, style & SBS_VERT ? 117 : 17, parent,
                               reinterpret_cast<HMENU>(std::intptr_t{100}), nullptr, nullptr);
    }
    static SCROLLINFO Info(int min, int max, UINT page, int pos) {
        return SCROLLINFO{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, min, max, page, pos, 0};
    }
    // (code, position word) of the scroll messages the parent received.
    std::vector<std::pair<int, int>> Actions(HWND parent, UINT message = WM_VSCROLL) const {
        std::vector<std::pair<int, int>> out;
        for (const Received& r : log)
            if (r.hwnd == parent && r.message == message)
                out.emplace_back(LOWORD(static_cast<DWORD>(r.wParam)), HIWORD(static_cast<DWORD>(r.wParam)));
        return out;
    }
    void Press(HWND bar, POINT at) {
        user::MoveMouseTo(bar, at);
        user::PressButton(VK_LBUTTON);
        user::Desktop::Current().Pump();
    }
    void Release() {
        user::ReleaseButton(VK_LBUTTON);
        user::Desktop::Current().Pump();
    }
};

using Pairs = std::vector<std::pair<int, int>>;

TEST_F(Scrolling, ScrollInformationIsKeptWithinTheRangeAndSettingItSendsNothing) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND bar = Bar(top);
    Forget();
    SCROLLINFO in = Info(0, 99, 10, 200);
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &in, TRUE), 90) << "the last position shows the last page";
    EXPECT_TRUE(Actions(top).empty());
    SCROLLINFO out{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &out));
    EXPECT_EQ(out.nMin, 0);
    EXPECT_EQ(out.nMax, 99);
    EXPECT_EQ(out.nPage, 10u);
    EXPECT_EQ(out.nPos, 90);
    EXPECT_EQ(out.nTrackPos, 90);
    SCROLLINFO bigPage = Info(0, 9, 50, -3);
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &bigPage, FALSE), 0);
    ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &out));
    EXPECT_EQ(out.nPage, 10u) << "the page is limited to the range";
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 4, FALSE), 0);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0) << "a page as large as the range leaves one position";
    SCROLLINFO wrongSize = out;
    wrongSize.cbSize = 24;
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, &wrongSize));
    EXPECT_FALSE(GetScrollInfo(top, SB_CTL, &out)) << "not a scroll bar";
    EXPECT_FALSE(GetScrollInfo(bar, SB_VERT, &out)) << "only the control's own bar";
}

TEST_F(Scrolling, ArrowsPagesAndTheThumbReportToTheParentWithoutMovingTheBar) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND bar = Bar(top);
    SCROLLINFO in = Info(0, 99, 20, 40);
    SetScrollInfo(bar, SB_CTL, &in, TRUE);
    // Track 17..100 (83 px), thumb 83 * 20 / 100 = 16 px at 17 + 67 * 40 / 80 = 50.
    Forget();
    Press(bar, {8, 5});
    Release();
    Press(bar, {8, 110});
    Release();
    Press(bar, {8, 30});
    Release();
    Press(bar, {8, 80});
    Release();
    EXPECT_EQ(Actions(top), (Pairs{{SB_LINEUP, 0},
                                   {SB_ENDSCROLL, 0},
                                   {SB_LINEDOWN, 0},
                                   {SB_ENDSCROLL, 0},
                                   {SB_PAGEUP, 0},
                                   {SB_ENDSCROLL, 0},
                                   {SB_PAGEDOWN, 0},
                                   {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 40);
    EXPECT_EQ(log.back().lParam, reinterpret_cast<LPARAM>(bar));

    Forget();
    Press(bar, {8, 55});
    user::MoveMouseTo(bar, {8, 72}); // 17 pixels down: 17 * 80 / 67 positions, rounded
    user::Desktop::Current().Pump();
    SCROLLINFO track{sizeof(SCROLLINFO), SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &track);
    EXPECT_EQ(track.nTrackPos, 60);
    EXPECT_EQ(track.nPos, 40);
    user::MoveMouseTo(bar, {8, 500});
    user::Desktop::Current().Pump();
    Release();
    EXPECT_EQ(Actions(top),
              (Pairs{{SB_THUMBTRACK, 60}, {SB_THUMBTRACK, 80}, {SB_THUMBPOSITION, 80}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Scrolling, AHorizontalBarAnswersWithWmHScrollAndAFocusedBarAnswersKeys) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND bar = Bar(top, SBS_HORZ | WS_TABSTOP);
    SCROLLINFO in = Info(0, 500, 100, 0);
    SetScrollInfo(bar, SB_CTL, &in, TRUE);
    Forget();
    Press(bar, {110, 8});
    Release();
    EXPECT_EQ(GetFocus(), bar) << "a bar with WS_TABSTOP takes the focus when clicked";
    user::PressKey(VK_END);
    user::Desktop::Current().Pump();
    EXPECT_EQ(Actions(top, WM_HSCROLL),
              (Pairs{{SB_LINERIGHT, 0}, {SB_ENDSCROLL, 0}, {SB_RIGHT, 0}, {SB_ENDSCROLL, 0}}));
    EXPECT_TRUE(Actions(top, WM_VSCROLL).empty());
}

TEST_F(Scrolling, WithNothingToScrollOnlyTheArrowsAnswer) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
    const HWND bar = Bar(top);
    SCROLLINFO in = Info(0, 9, 10, 0);
    SetScrollInfo(bar, SB_CTL, &in, TRUE);
    Forget();
    Press(bar, {8, 60});
    Release();
    EXPECT_TRUE(Actions(top).empty());
    Press(bar, {8, 110});
    Release();
    EXPECT_EQ(Actions(top), (Pairs{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
}

COLORREF At(HWND hwnd, int x, int y) {
    return gdi::ColorFromPixel(user::WindowPicture(hwnd).Get(x, y)) & 0x00FFFFFF;
}

// Rows 10 pixels high, each painted in a colour of its own (from the row's
// index in content coordinates), so moved pixels can be told from repainted ones.
struct Striped {
    int offset = 0; // content row at the client's top, in pixels
    std::vector<RECT> painted;

    static COLORREF Colour(int row) { return RGB(10 * (row % 20), 100, 200); }
    void Paint(HWND hwnd) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        painted.push_back(ps.rcPaint);
        for (int y = ps.rcPaint.top; y < ps.rcPaint.bottom; ++y) {
            HBRUSH b = CreateSolidBrush(Colour((y + offset) / 10));
            RECT line{ps.rcPaint.left, y, ps.rcPaint.right, y + 1};
            FillRect(dc, &line, b);
            DeleteObject(b);
        }
        EndPaint(hwnd, &ps);
    }
};

TEST_F(Scrolling, ScrollWindowExMovesThePixelsAndRepaintsOnlyTheUncoveredBand) {
    Striped stripes;
    const HWND top = Top(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, {0, 0, 100, 100});
    hook = [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == top && m == WM_PAINT) {
            stripes.Paint(h);
            return 0;
        }
        return std::nullopt;
    };
    const HWND child = Child(top, 7, {20, 50, 40, 60});
    user::Desktop::Current().Pump();
    stripes.painted.clear();

    stripes.offset = 30; // three rows down
    RECT band{};
    EXPECT_EQ(ScrollWindowEx(top, 0, -30, nullptr, nullptr, nullptr, &band,
                             SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE),
              SIMPLEREGION);
    EXPECT_TRUE(user::Equal(band, RECT{0, 70, 100, 100}));
    RECT moved{};
    GetWindowRect(child, &moved);
    EXPECT_EQ(moved.top, 20) << "the child moves with the contents";
    UpdateWindow(top);
    ASSERT_EQ(stripes.painted.size(), 1u);
    EXPECT_TRUE(user::Equal(stripes.painted[0], band));
    for (int y : {0, 45, 69, 70, 99})
        EXPECT_EQ(At(top, 5, y), Striped::Colour((y + 30) / 10)) << y;

    stripes.painted.clear();
    stripes.offset = 30 + 150;
    EXPECT_EQ(ScrollWindowEx(top, 0, -150, nullptr, nullptr, nullptr, &band, SW_INVALIDATE), SIMPLEREGION);
    EXPECT_TRUE(user::Equal(band, RECT{0, 0, 100, 100})) << "a move beyond the window uncovers it all";
}

TEST_F(Scrolling, APendingRepaintMovesWithThePixelsAndWithoutSwInvalidateNothingIsDirtied) {
    const HWND top = Top(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
    UpdateWindow(top);
    RECT pending{10, 10, 30, 20};
    InvalidateRect(top, &pending, FALSE);
    RECT band{};
    EXPECT_EQ(ScrollWindowEx(top, 15, 0, nullptr, nullptr, nullptr, &band, 0), SIMPLEREGION);
    EXPECT_TRUE(user::Equal(band, RECT{0, 0, 15, 100}));
    RECT now{};
    GetUpdateRect(top, &now, FALSE);
    EXPECT_TRUE(user::Equal(now, RECT{25, 10, 45, 20}));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ScrollWindowEx(top, 5, 5, nullptr, nullptr, region, nullptr, 0), COMPLEXREGION);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_TRUE(user::Equal(box, RECT{0, 0, 100, 100}));
    DeleteObject(region);
    EXPECT_EQ(ScrollWindowEx(nullptr, 0, 5, nullptr, nullptr, nullptr, nullptr, 0), ERROR);
}

} // namespace
