// Focus rectangles and frame controls.

#include <gtest/gtest.h>

#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(DrawFocusRect, DotsEveryOtherFramePixelAndErasesItselfWhenRepeated) {
    Canvas c(20, 20, RGB(10, 200, 30));
    const auto before = c.Snapshot();
    const RECT r{2, 2, 12, 8};
    EXPECT_TRUE(DrawFocusRect(c.dc(), &r));
    EXPECT_EQ(c.At(2, 2), RGB(245, 55, 225));
    EXPECT_EQ(c.At(3, 2), RGB(10, 200, 30));
    EXPECT_EQ(c.At(11, 6), RGB(10, 200, 30)); // 11 + 6 is odd
    EXPECT_EQ(c.At(11, 3), RGB(245, 55, 225));
    EXPECT_EQ(c.At(5, 5), RGB(10, 200, 30)) << "inside stays";
    EXPECT_EQ(c.NotEqual(RGB(10, 200, 30)).size(), 14u);
    DrawFocusRect(c.dc(), &r);
    EXPECT_EQ(c.Snapshot(), before);
}

TEST(DrawFrameControl, SizeGripStaysInItsRectangleAndShowsRidges) {
    Canvas c(30, 30);
    RECT grip{10, 10, 27, 27};
    EXPECT_TRUE(DrawFrameControl(c.dc(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP));
    for (const auto& [x, y] : c.NotEqual(kWhite))
        EXPECT_TRUE(x >= 10 && x < 27 && y >= 10 && y < 27) << x << "," << y;
    EXPECT_EQ(c.At(10, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_FALSE(c.Where(GetSysColor(COLOR_BTNSHADOW)).empty());
    EXPECT_EQ(c.At(26, 25), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST(DrawFrameControl, CheckBoxStatesLookDifferent) {
    auto draw = [](UINT state) {
        Canvas c(16, 16, RGB(1, 2, 3));
        RECT r{1, 1, 15, 15};
        EXPECT_TRUE(DrawFrameControl(c.dc(), &r, DFC_BUTTON, state));
        return c.Snapshot();
    };
    const auto unchecked = draw(DFCS_BUTTONCHECK | DFCS_HOT | DFCS_FLAT | DFCS_MONO);
    const auto checked = draw(DFCS_BUTTONCHECK | DFCS_HOT | DFCS_FLAT | DFCS_MONO | DFCS_CHECKED);
    const auto sunken = draw(DFCS_BUTTONCHECK);
    EXPECT_NE(unchecked, checked);
    EXPECT_NE(unchecked, sunken);

    Canvas c(16, 16, RGB(1, 2, 3));
    RECT r{1, 1, 15, 15};
    DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_MONO);
    EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_WINDOWTEXT)) << "mono frame";
    EXPECT_EQ(c.At(7, 7), GetSysColor(COLOR_WINDOW)) << "empty box";
    EXPECT_EQ(c.At(0, 0), RGB(1, 2, 3));
    DrawFrameControl(c.dc(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_MONO | DFCS_CHECKED);
    int tick = 0;
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x)
            tick += c.At(x, y) == GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GT(tick, 8);
}

TEST(DrawFrameControl, RefusesKindsItDoesNotDraw) {
    Canvas c(8, 8);
    RECT r{0, 0, 8, 8};
    EXPECT_FALSE(DrawFrameControl(c.dc(), &r, DFC_MENU, 0));
    EXPECT_TRUE(c.NotEqual(kWhite).empty());
}

} // namespace
