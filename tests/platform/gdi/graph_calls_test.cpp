// Calls the graphs draw with: polylines in one call, a size recorded with a
// bitmap, and text turned by its font's escapement.

#include <map>

#include <gtest/gtest.h>

#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::Points;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(PolyPolyline, StrokesEachPolylineOnItsOwnAndLeavesThePosition) {
    Canvas c(20, 20);
    MoveToEx(c.dc(), 7, 7, nullptr);
    const POINT points[] = {{1, 1}, {4, 1}, {10, 2}, {10, 5}, {8, 5}};
    const DWORD counts[] = {2, 3};
    ASSERT_TRUE(PolyPolyline(c.dc(), points, counts, 2));
    Points expected{{1, 1}, {2, 1}, {3, 1}, {10, 2}, {10, 3}, {10, 4}, {10, 5}, {9, 5}};
    EXPECT_EQ(c.Where(kBlack), expected) << "no segment joins the polylines; last pixels are left out";
    POINT at{};
    GetCurrentPositionEx(c.dc(), &at);
    EXPECT_EQ(at.x, 7);
    const DWORD bad[] = {2, 1};
    EXPECT_FALSE(PolyPolyline(c.dc(), points, bad, 2));
    EXPECT_FALSE(PolyPolyline(c.dc(), points, counts, 0));
}

TEST(BitmapDimension, IsRecordedWithTheBitmapAndReadBack) {
    HBITMAP b = CreateBitmap(4, 3, 1, 32, nullptr);
    SIZE s{-1, -1};
    ASSERT_TRUE(GetBitmapDimensionEx(b, &s));
    EXPECT_EQ(s.cx, 0);
    EXPECT_EQ(s.cy, 0);
    SIZE previous{};
    ASSERT_TRUE(SetBitmapDimensionEx(b, 120, 80, &previous));
    EXPECT_EQ(previous.cx, 0);
    ASSERT_TRUE(GetBitmapDimensionEx(b, &s));
    EXPECT_EQ(s.cx, 120);
    EXPECT_EQ(s.cy, 80);
    DeleteObject(b);
    EXPECT_FALSE(GetBitmapDimensionEx(b, &s));
    EXPECT_FALSE(SetBitmapDimensionEx(nullptr, 1, 1, nullptr));
}

// The ink of a text drawn at (40, 40), by colour.
std::map<std::pair<int, int>, COLORREF> Ink(int escapement, UINT align) {
    Canvas c(80, 80);
    HFONT font = CreateFontW(-14, 0, escapement, escapement, FW_NORMAL, 0, 1, 0, DEFAULT_CHARSET, 0, 0, 0,
                             0x22, u"MS Shell Dlg 2");
    HGDIOBJ old = SelectObject(c.dc(), font);
    SetTextAlign(c.dc(), align);
    TextOutW(c.dc(), 40, 40, u"Vg", 2);
    SelectObject(c.dc(), old);
    DeleteObject(font);
    std::map<std::pair<int, int>, COLORREF> ink;
    for (auto p : c.NotEqual(kWhite))
        ink[p] = c.At(p.first, p.second);
    return ink;
}

TEST(RotatedText, AnEscapementOf900TurnsTheTextUpAboutItsReferencePoint) {
    for (UINT align : {UINT{TA_LEFT | TA_TOP}, UINT{TA_CENTER | TA_BASELINE}}) {
        const auto flat = Ink(0, align);
        const auto turned = Ink(900, align);
        ASSERT_FALSE(flat.empty());
        std::map<std::pair<int, int>, COLORREF> expected;
        for (auto [p, colour] : flat) // right becomes up: (x, y) -> (40 + (y - 40), 40 - (x - 40))
            expected[{40 + (p.second - 40), 40 - (p.first - 40)}] = colour;
        EXPECT_EQ(turned, expected) << align;
    }
    const auto flat = Ink(0, TA_LEFT | TA_TOP);
    const auto half = Ink(1800, TA_LEFT | TA_TOP);
    std::map<std::pair<int, int>, COLORREF> expected;
    for (auto [p, colour] : flat)
        expected[{80 - p.first, 80 - p.second}] = colour;
    EXPECT_EQ(half, expected);
}

} // namespace
