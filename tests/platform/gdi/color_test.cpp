// COLORREF byte order, probed through single pixels, and the system colours.

#include <gtest/gtest.h>

#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;

TEST(Color, RedIsTheLowByteOfAColorref) {
    static_assert(RGB(255, 0, 0) == 0x000000FFu);
    static_assert(RGB(12, 206, 255) == 0x00FFCE0Cu);
    Canvas c(2, 1);
    SetPixel(c.dc(), 0, 0, 0x000000FF);
    const gdi::Pixel p = gdi::SurfaceOf(c.bitmap())->Get(0, 0);
    EXPECT_EQ(p, 0x00FF0000u) << "bytes in memory: blue, green, red, alpha 0";
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), 0x000000FFu);
    SetPixel(c.dc(), 1, 0, 0x00FFCE0C);
    EXPECT_EQ(gdi::SurfaceOf(c.bitmap())->Get(1, 0), 0x000CCEFFu);
}

TEST(SysColor, ClassicTableAndItsBrushesFollowChanges) {
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(99), 0u);

    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const INT index = COLOR_BTNFACE;
    const COLORREF changed = RGB(240, 240, 240);
    const COLORREF original = GetSysColor(COLOR_BTNFACE);
    ASSERT_TRUE(SetSysColors(1, &index, &changed));
    Canvas c(2, 2);
    const RECT r{0, 0, 1, 1};
    FillRect(c.dc(), &r, face);
    EXPECT_EQ(c.At(0, 0), changed);
    const INT bad = 40;
    EXPECT_FALSE(SetSysColors(1, &bad, &changed));
    SetSysColors(1, &index, &original);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_TRUE(DeleteObject(face)) << "system brushes are never really deleted";
}

} // namespace
