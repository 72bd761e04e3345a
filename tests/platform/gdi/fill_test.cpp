// Fills and rectangles: half-open rectangles, outline inside the box, ROP2
// for shapes but not for FillRect.

#include <gtest/gtest.h>

#include "platform/gdi/bridge.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::RectPoints;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

TEST(FillRect, CoversLeftTopButNotRightBottom) {
    Canvas c(10, 10);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT r{1, 2, 4, 5};
    SetROP2(c.dc(), R2_NOT); // FillRect ignores it
    EXPECT_NE(FillRect(c.dc(), &r, red), 0);
    EXPECT_EQ(c.Where(kRed), RectPoints(1, 2, 4, 5));
    const RECT inverted{6, 6, 5, 8};
    FillRect(c.dc(), &inverted, red);
    EXPECT_EQ(c.Where(kRed).size(), 9u);
    DeleteObject(red);
}

TEST(FillRect, TakesASystemColourIndexPlusOne) {
    Canvas c(4, 4);
    const RECT r{0, 0, 2, 2};
    FillRect(c.dc(), &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));
    EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(c.At(2, 2), kWhite);
}

TEST(FrameRect, DrawsTheOnePixelBorderInside) {
    Canvas c(10, 10);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT r{1, 1, 6, 5};
    FrameRect(c.dc(), &r, red);
    auto expected = RectPoints(1, 1, 6, 5);
    for (const auto& p : RectPoints(2, 2, 5, 4))
        expected.erase(p);
    EXPECT_EQ(c.Where(kRed), expected);
    DeleteObject(red);
}

TEST(Rectangle, OutlinesInsideTheBoxAndFillsWithTheBrush) {
    Canvas c(10, 10);
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(c.dc(), red);
    Rectangle(c.dc(), 2, 2, 7, 6);
    EXPECT_EQ(c.Where(kRed), RectPoints(3, 3, 6, 5));
    auto outline = RectPoints(2, 2, 7, 6);
    for (const auto& p : RectPoints(3, 3, 6, 5))
        outline.erase(p);
    EXPECT_EQ(c.Where(kBlack), outline);
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST(Rectangle, WithANullPenFillsOnePixelLessEachWay) {
    Canvas c(10, 10);
    HBRUSH red = CreateSolidBrush(kRed);
    SelectObject(c.dc(), red);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    Rectangle(c.dc(), 2, 2, 7, 6);
    EXPECT_EQ(c.Where(kRed), RectPoints(2, 2, 6, 5));
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST(Rectangle, NullBrushLeavesTheInsideAndRopAppliesToTheOutline) {
    Canvas c(10, 10, kBlack);
    SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
    SetROP2(c.dc(), R2_NOT);
    Rectangle(c.dc(), 0, 0, 5, 5);
    EXPECT_EQ(c.Where(kWhite).size(), 16u);
    EXPECT_EQ(c.At(2, 2), kBlack);
}

TEST(SetPixel, RoundTripsTheExactColourAndIgnoresRop) {
    Canvas c(4, 4);
    SetROP2(c.dc(), R2_XORPEN);
    EXPECT_EQ(SetPixel(c.dc(), 1, 1, RGB(12, 206, 255)), RGB(12, 206, 255));
    EXPECT_EQ(GetPixel(c.dc(), 1, 1), RGB(12, 206, 255));
    EXPECT_EQ(GetPixel(c.dc(), 4, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(c.dc(), -1, 0, kRed), CLR_INVALID);
}

TEST(Rop2, EveryCodeFollowsItsTruthTable) {
    // pen 0xF0 / destination 0xCC per channel give the table's bits directly.
    const std::uint8_t expected[16] = {0x00, 0x03, 0x0C, 0x0F, 0x30, 0x33, 0x3C, 0x3F,
                                       0xC0, 0xC3, 0xCC, 0xCF, 0xF0, 0xF3, 0xFC, 0xFF};
    for (int rop = R2_BLACK; rop <= R2_WHITE; ++rop) {
        Canvas c(3, 1, RGB(0xCC, 0xCC, 0xCC));
        HPEN pen = CreatePen(PS_SOLID, 0, RGB(0xF0, 0xF0, 0xF0));
        SelectObject(c.dc(), pen);
        SetROP2(c.dc(), rop);
        MoveToEx(c.dc(), 0, 0, nullptr);
        LineTo(c.dc(), 2, 0);
        const std::uint8_t want = expected[rop - 1];
        EXPECT_EQ(c.At(0, 0), RGB(want, want, want)) << "R2 code " << rop;
        SelectObject(c.dc(), GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
}

} // namespace

namespace {

// Coordinates at the ends of the 32-bit range, with origins added, saturate
// instead of wrapping, and no call walks the whole range.
TEST(ExtremeCoordinates, SaturateAndStayCheap) {
    constexpr int kMin = -0x7FFFFFFF - 1, kMax = 0x7FFFFFFF;
    Canvas c(8, 8);
    SetViewportOrgEx(c.dc(), kMax, kMax, nullptr);
    SetWindowOrgEx(c.dc(), kMin, kMin, nullptr); // device = logical + kMax (saturated)
    RECT huge{kMin, kMin, kMax, kMax};           // device [-1, kMax)
    HBRUSH red = CreateSolidBrush(kRed);
    FillRect(c.dc(), &huge, red);
    EXPECT_EQ(c.Where(kRed).size(), 64u);
    Rectangle(c.dc(), kMin, kMin, kMax, kMax);
    DrawTextW(c.dc(), u"x", 1, &huge, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    DrawFocusRect(c.dc(), &huge);
    DrawFrameControl(c.dc(), &huge, DFC_BUTTON, DFCS_BUTTONCHECK);
    DrawFrameControl(c.dc(), &huge, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    MoveToEx(c.dc(), kMin, kMax, nullptr);
    LineTo(c.dc(), kMax, kMin);
    IntersectClipRect(c.dc(), kMin, kMin, kMax, kMax);
    RECT box{};
    EXPECT_EQ(GetClipBox(c.dc(), &box), SIMPLEREGION);

    SetViewportOrgEx(c.dc(), 0, 0, nullptr);
    SetWindowOrgEx(c.dc(), 0, 0, nullptr);
    SelectClipRgn(c.dc(), nullptr);
    FillRect(c.dc(), &huge, red);
    EXPECT_EQ(c.Where(kRed).size(), 64u);
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    OffsetRgn(region, kMax, kMax);
    DeleteObject(region);
    DeleteObject(red);
}

} // namespace

namespace {

TEST(GradientFill, ShadesEachRowFromTheTopColourTowardsTheBottomOne) {
    gdi_test::Canvas c(4, 4);
    TRIVERTEX v[2] = {{0, 0, 0xF000, 0x0000, 0x0000, 0}, {4, 4, 0x0000, 0x0000, 0xF000, 0}};
    GRADIENT_RECT r{0, 1};
    ASSERT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(0xF0, 0, 0));
    EXPECT_EQ(GetPixel(c.dc(), 3, 2), RGB(0x78, 0, 0x78));
    EXPECT_EQ(GetPixel(c.dc(), 0, 3), RGB(0x3C, 0, 0xB4));
    ASSERT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(GetPixel(c.dc(), 2, 0), RGB(0x78, 0, 0x78));
    GRADIENT_RECT bad{0, 2};
    EXPECT_FALSE(GradientFill(c.dc(), v, 2, &bad, 1, GRADIENT_FILL_RECT_V));
}

TEST(PrinterPage, APageContextAnswersItsOwnResolutionAndDrawsOnThePage) {
    auto page = std::make_shared<gdi::Surface>(850, 1100, 32, 0xFFFFFF);
    HDC dc = gdi::CreatePrinterPageDC(page, 100);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 100);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 850);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 1100);
    SetPixel(dc, 849, 1099, RGB(1, 2, 3));
    EXPECT_EQ(page->Get(849, 1099), gdi::PixelFromColor(RGB(1, 2, 3)));
    DeleteDC(dc);
}

} // namespace
