// Blits, DIB sections, packed bitmaps and shape regions, pixel by pixel.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gdi/bridge.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::RectPoints;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

void Paint(Canvas& c, const RECT& r, COLORREF color) {
    HBRUSH b = CreateSolidBrush(color);
    FillRect(c.dc(), &r, b);
    DeleteObject(b);
}

TEST(BitBlt, CopiesExactlyInsideTheDestinationClip) {
    Canvas src(4, 4), dst(10, 10);
    Paint(src, {0, 0, 2, 4}, kRed);
    IntersectClipRect(dst.dc(), 0, 0, 6, 10);
    EXPECT_TRUE(BitBlt(dst.dc(), 3, 2, 4, 4, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Where(kRed), RectPoints(3, 2, 5, 6));
    EXPECT_EQ(dst.NotEqual(kWhite), RectPoints(3, 2, 5, 6)) << "white copied too, column 6 clipped";
    EXPECT_TRUE(BitBlt(dst.dc(), 0, 0, 10, 10, nullptr, 0, 0, WHITENESS)) << "no source needed";
    EXPECT_TRUE(dst.Where(kRed).empty());
}

TEST(BitBlt, OverlappingCopiesWithinOneBitmapActLikeMemmove) {
    Canvas c(8, 1);
    for (int x = 0; x < 8; ++x)
        SetPixel(c.dc(), x, 0, RGB(x * 10, 0, 0));
    BitBlt(c.dc(), 2, 0, 6, 1, c.dc(), 0, 0, SRCCOPY);
    for (int x = 2; x < 8; ++x)
        EXPECT_EQ(c.At(x, 0), RGB((x - 2) * 10, 0, 0)) << x;
}

TEST(BitBlt, AMonochromeSourceTakesTheDestinationsTextAndBackgroundColours) {
    HDC mono = CreateCompatibleDC(nullptr);
    const BYTE bits[] = {0x80, 0, 0x00, 0}; // row 0: white then black; row 1: black
    HBITMAP m = CreateBitmap(2, 2, 1, 1, bits);
    HGDIOBJ old = SelectObject(mono, m);
    Canvas dst(2, 2);
    SetTextColor(dst.dc(), kBlue);
    SetBkColor(dst.dc(), kGreen);
    BitBlt(dst.dc(), 0, 0, 2, 2, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), kGreen);
    EXPECT_EQ(dst.At(1, 0), kBlue);
    EXPECT_EQ(dst.At(0, 1), kBlue);
    SelectObject(mono, old);
    DeleteObject(m);
    DeleteDC(mono);
}

TEST(StretchBlt, HalftoneShrinksByAveragingAndOtherModesTakeTheNearestPixel) {
    Canvas src(4, 2), dst(2, 1);
    SetPixel(src.dc(), 0, 0, RGB(0, 0, 0));
    SetPixel(src.dc(), 1, 0, RGB(100, 0, 0));
    SetPixel(src.dc(), 0, 1, RGB(100, 0, 0));
    SetPixel(src.dc(), 1, 1, RGB(200, 0, 0)); // block mean 100
    EXPECT_EQ(SetStretchBltMode(dst.dc(), HALFTONE), BLACKONWHITE);
    StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 2, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), RGB(100, 0, 0));
    EXPECT_EQ(dst.At(1, 0), kWhite);
    SetStretchBltMode(dst.dc(), COLORONCOLOR);
    StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 2, SRCCOPY);
    EXPECT_EQ(dst.At(0, 0), RGB(200, 0, 0)) << "the pixel under the centre (1, 1)";

    Canvas wide(4, 1);
    StretchBlt(wide.dc(), 4, 0, -4, 1, src.dc(), 0, 0, 2, 1, SRCCOPY); // mirrored and enlarged
    EXPECT_EQ(wide.At(0, 0), RGB(100, 0, 0));
    EXPECT_EQ(wide.At(1, 0), RGB(100, 0, 0));
    EXPECT_EQ(wide.At(3, 0), RGB(0, 0, 0));
}

TEST(TransparentBlt, SkipsExactlyTheKeyColourAndStretches) {
    Canvas src(2, 2, kGreen), dst(4, 4);
    SetPixel(src.dc(), 1, 1, kRed);
    SetPixel(src.dc(), 0, 1, RGB(0, 254, 0));
    EXPECT_TRUE(TransparentBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 2, 2, kGreen));
    EXPECT_EQ(dst.Where(kRed), RectPoints(2, 2, 4, 4));
    EXPECT_EQ(dst.Where(RGB(0, 254, 0)), RectPoints(0, 2, 2, 4));
    EXPECT_EQ(dst.Where(kWhite).size(), 8u);
    EXPECT_FALSE(TransparentBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, 0, 2, kGreen));
}

TEST(AlphaBlend, BlendsAPremultipliedSourceOverTheDestination) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    auto* px = static_cast<std::uint32_t*>(bits);
    px[0] = 0xFF0000FF; // opaque blue
    px[1] = 0x80800000; // red at alpha 128, premultiplied
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, dib);
    Canvas dst(2, 1, RGB(0, 0, 0));
    EXPECT_TRUE(AlphaBlend(dst.dc(), 0, 0, 2, 1, src, 0, 0, 2, 1, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA}));
    EXPECT_EQ(dst.At(0, 0), kBlue);
    EXPECT_EQ(dst.At(1, 0), RGB(128, 0, 0));

    Canvas white(1, 1);
    AlphaBlend(white.dc(), 0, 0, 1, 1, src, 0, 0, 1, 1, {AC_SRC_OVER, 0, 127, AC_SRC_ALPHA});
    EXPECT_EQ(white.At(0, 0), RGB(128, 128, 255)) << "half of blue over white";
    EXPECT_FALSE(AlphaBlend(white.dc(), 0, 0, 1, 1, src, 1, 0, 2, 1, {AC_SRC_OVER, 0, 255, 0}))
        << "the source rectangle leaves the bitmap";
    SelectObject(src, old);
    DeleteObject(dib);
    DeleteDC(src);
}

TEST(CreateDIBSection, BitsFollowTheRowOrderOfTheHeader) {
    for (LONG height : {-2, 2}) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(dib, nullptr);
        static_cast<std::uint32_t*>(bits)[0] = 0x00FF0000; // the first row in memory
        EXPECT_EQ(gdi::SurfaceOf(dib)->Get(0, height < 0 ? 0 : 1), 0x00FF0000u) << height;
        DeleteObject(dib);
    }
    BITMAPINFO bad{};
    bad.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    EXPECT_EQ(CreateDIBSection(nullptr, &bad, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
}

// A bottom-up 8-bit bitmap with a two-entry palette, as resources hold them.
TEST(PackedDib, DecodesPalettedAndTrueColourBitmaps) {
    std::vector<BYTE> dib(40 + 8 + 2 * 4);
    BITMAPINFOHEADER h{40, 3, 2, 1, 8, BI_RGB, 0, 0, 0, 2, 0};
    std::memcpy(dib.data(), &h, sizeof h);
    const BYTE palette[] = {0, 0, 255, 0, 0, 255, 0, 0}; // red, green
    std::memcpy(dib.data() + 40, palette, sizeof palette);
    const BYTE rows[] = {1, 1, 1, 0, 0, 0, 0, 0}; // bottom row green, top row red
    std::memcpy(dib.data() + 48, rows, sizeof rows);
    HBITMAP b = gdi::CreateBitmapFromPackedDib(dib.data(), dib.size());
    ASSERT_NE(b, nullptr);
    BITMAP bm{};
    GetObjectW(b, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 8);
    EXPECT_EQ(gdi::ColorFromPixel(gdi::SurfaceOf(b)->Get(2, 0)), kRed);
    EXPECT_EQ(gdi::ColorFromPixel(gdi::SurfaceOf(b)->Get(0, 1)), kGreen);
    DeleteObject(b);
    EXPECT_EQ(gdi::CreateBitmapFromPackedDib(dib.data(), dib.size() - 1), nullptr) << "short bits";
}

TEST(ShapeRegions, FillPixelsWhoseCentresLieInside) {
    const POINT square[] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
    HRGN polygon = CreatePolygonRgn(square, 4, ALTERNATE);
    HRGN rect = CreateRectRgn(0, 0, 4, 3);
    EXPECT_TRUE(EqualRgn(polygon, rect));

    const POINT triangle[] = {{0, 0}, {8, 0}, {0, 8}};
    HRGN tri = CreatePolygonRgn(triangle, 3, WINDING);
    EXPECT_TRUE(PtInRegion(tri, 0, 6));
    EXPECT_FALSE(PtInRegion(tri, 0, 7)) << "its centre lies on the edge";
    EXPECT_TRUE(PtInRegion(tri, 6, 0));
    EXPECT_FALSE(PtInRegion(tri, 8, 0));

    HRGN round = CreateRoundRectRgn(0, 0, 20, 10, 6, 6);
    RECT box{};
    GetRgnBox(round, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 10);
    EXPECT_FALSE(PtInRegion(round, 0, 0)) << "the corner is cut";
    EXPECT_TRUE(PtInRegion(round, 10, 0));
    EXPECT_TRUE(PtInRegion(round, 0, 5));
    EXPECT_EQ(PtInRegion(round, 19, 9), PtInRegion(round, 0, 0)) << "symmetric corners";
    for (HRGN r : {polygon, rect, tri, round})
        DeleteObject(r);
}

TEST(FrameRgn, PaintsTheBorderInsideTheRegion) {
    Canvas c(10, 10);
    HRGN r = CreateRectRgn(2, 2, 8, 7);
    HBRUSH red = CreateSolidBrush(kRed);
    EXPECT_TRUE(FrameRgn(c.dc(), r, red, 2, 1));
    gdi_test::Points expected = RectPoints(2, 2, 8, 7);
    for (const auto& p : RectPoints(4, 3, 6, 6))
        expected.erase(p);
    EXPECT_EQ(c.Where(kRed), expected);
    c.Clear(kWhite);
    SetViewportOrgEx(c.dc(), 1, 0, nullptr);
    EXPECT_TRUE(FillRgn(c.dc(), r, red));
    EXPECT_EQ(c.Where(kRed), RectPoints(3, 2, 9, 7)) << "the region is in logical coordinates";
    DeleteObject(red);
    DeleteObject(r);
}

TEST(Polygon, FillsWithTheBrushAndOutlinesWithThePen) {
    Canvas c(10, 10);
    HBRUSH blue = CreateSolidBrush(kBlue);
    SelectObject(c.dc(), blue);
    SelectObject(c.dc(), GetStockObject(NULL_PEN));
    const POINT square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    EXPECT_TRUE(Polygon(c.dc(), square, 4));
    EXPECT_EQ(c.Where(kBlue), RectPoints(1, 1, 5, 4));
    SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(blue);
}

} // namespace
