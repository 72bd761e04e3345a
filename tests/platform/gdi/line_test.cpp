// Lines as GDI draws them: end pixel left out, one fixed tie rule, pen styles,
// ROP2 and the current position.

#include <gtest/gtest.h>

#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::Points;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

Points Line(int x0, int y0, int x1, int y1) {
    Canvas c(32, 32);
    MoveToEx(c.dc(), x0, y0, nullptr);
    LineTo(c.dc(), x1, y1);
    return c.Where(kBlack);
}

TEST(Line, LeavesOutTheEndPixelInEveryOctant) {
    const POINT ends[] = {{20, 12}, {18, 14}, {14, 18}, {12, 20}, {10, 20}, {6, 18}, {4, 14}, {2, 12},
                          {2, 10},  {4, 6},   {6, 2},   {10, 0},  {12, 0},  {14, 2}, {18, 6}, {20, 10}};
    for (const POINT& e : ends) {
        const Points lit = Line(11, 11, e.x, e.y);
        const int steps = std::max(std::abs(e.x - 11), std::abs(e.y - 11));
        EXPECT_EQ(lit.size(), static_cast<std::size_t>(steps)) << e.x << "," << e.y;
        EXPECT_TRUE(lit.count({11, 11})) << e.x << "," << e.y;
        EXPECT_FALSE(lit.count({e.x, e.y})) << e.x << "," << e.y;
    }
}

TEST(Line, LightsTheSamePixelsDrawnEitherWay) {
    const POINT pairs[][2] = {
        {{1, 1}, {9, 4}}, {{3, 17}, {12, 2}}, {{0, 0}, {7, 7}}, {{5, 2}, {6, 29}}, {{30, 3}, {1, 8}}};
    for (const auto& p : pairs) {
        Points forward = Line(p[0].x, p[0].y, p[1].x, p[1].y);
        Points backward = Line(p[1].x, p[1].y, p[0].x, p[0].y);
        forward.emplace(p[1].x, p[1].y);
        backward.emplace(p[0].x, p[0].y);
        EXPECT_EQ(forward, backward) << p[0].x << "," << p[0].y << " - " << p[1].x << "," << p[1].y;
    }
}

TEST(Line, BreaksTiesTowardsTheSmallerMinorCoordinate) {
    EXPECT_EQ(Line(0, 0, 4, 2), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(Line(0, 0, 2, 4), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
}

TEST(Line, MovesTheCurrentPositionToTheEnd) {
    Canvas c(8, 8);
    POINT previous{};
    MoveToEx(c.dc(), 1, 2, nullptr);
    LineTo(c.dc(), 5, 6);
    MoveToEx(c.dc(), 0, 0, &previous);
    EXPECT_EQ(previous.x, 5);
    EXPECT_EQ(previous.y, 6);
}

TEST(Line, RopNotTwiceRestoresThePixels) {
    Canvas c(24, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            SetPixel(c.dc(), x, y, RGB(x * 10, y * 10, 77));
    const auto before = c.Snapshot();
    SetROP2(c.dc(), R2_NOT);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(200, 0, 0));
    HGDIOBJ old = SelectObject(c.dc(), pen);
    const POINT path[] = {{2, 2}, {20, 9}, {4, 21}, {2, 2}};
    for (int pass = 0; pass < 2; ++pass) {
        MoveToEx(c.dc(), 1, 20, nullptr);
        LineTo(c.dc(), 22, 3);
        Polyline(c.dc(), path, 4);
        if (pass == 0) {
            EXPECT_NE(c.Snapshot(), before);
        }
    }
    EXPECT_EQ(c.Snapshot(), before);
    SelectObject(c.dc(), old);
    DeleteObject(pen);
}

TEST(Line, PolylineTouchesEachPixelOnce) {
    // Under R2_NOT a pixel painted twice would turn white again.
    Canvas c(20, 20);
    SetROP2(c.dc(), R2_NOT);
    const POINT closed[] = {{2, 2}, {15, 2}, {15, 15}, {2, 15}, {2, 2}, {15, 15}, {15, 2}, {2, 15}};
    Polyline(c.dc(), closed, 8);
    EXPECT_TRUE(c.Where(kWhite).size() + c.Where(kBlack).size() == 400u);
    for (int i = 2; i <= 15; ++i) {
        EXPECT_EQ(c.At(i, 2), kBlack) << i;
        EXPECT_EQ(c.At(i, i), kBlack) << i;
        EXPECT_EQ(c.At(i, 17 - i), kBlack) << i;
    }
}

// PS_DOT: 3 pixels on, 3 off, going on across LineTo and restarting at MoveToEx.
TEST(Line, DottedPenRunsAFixedPattern) {
    Canvas c(24, 3);
    HPEN dot = CreatePen(PS_DOT, 0, kBlack);
    HGDIOBJ old = SelectObject(c.dc(), dot);
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 4, 0);
    LineTo(c.dc(), 20, 0);
    MoveToEx(c.dc(), 1, 1, nullptr);
    LineTo(c.dc(), 13, 1);
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), RGB(0, 0, 255));
    MoveToEx(c.dc(), 0, 2, nullptr);
    LineTo(c.dc(), 12, 2);
    std::string rows[3];
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 21; ++x)
            rows[y] += c.At(x, y) == kBlack ? '#' : c.At(x, y) == RGB(0, 0, 255) ? 'o' : '.';
    EXPECT_EQ(rows[0], "###...###...###...##.");
    EXPECT_EQ(rows[1], ".###...###...........");
    EXPECT_EQ(rows[2], "###ooo###ooo.........");
    SelectObject(c.dc(), old);
    DeleteObject(dot);
}

TEST(Line, WidePenIsAsManyPixelsHighAsItsWidth) {
    for (int width = 2; width <= 7; ++width) {
        Canvas c(40, 30);
        HPEN pen = CreatePen(PS_SOLID, width, kBlack);
        HGDIOBJ old = SelectObject(c.dc(), pen);
        MoveToEx(c.dc(), 10, 15, nullptr);
        LineTo(c.dc(), 30, 15);
        int rows = 0;
        for (int y = 0; y < 30; ++y)
            rows += c.At(20, y) == kBlack;
        EXPECT_EQ(rows, width);
        EXPECT_EQ(c.At(30, 15), kBlack) << "round end reaches past the end point, width " << width;
        SelectObject(c.dc(), old);
        DeleteObject(pen);
    }
}

TEST(Line, NullPenDrawsNothingButMoves) {
    Canvas c(10, 10);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 9, 9);
    POINT p{};
    GetCurrentPositionEx(c.dc(), &p);
    EXPECT_TRUE(c.NotEqual(kWhite).empty());
    EXPECT_EQ(p.x, 9);
}

TEST(Line, FarEndpointsAreClippedNotWalked) {
    Canvas c(10, 10);
    MoveToEx(c.dc(), -2000000000, 5, nullptr);
    LineTo(c.dc(), 2000000000, 5);
    EXPECT_EQ(c.Where(kBlack), gdi_test::RectPoints(0, 5, 10, 6));
}

} // namespace
