// GDI+: the session, decoding, pixel formats, drawing through image
// attributes and conversion to GDI bitmaps.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/gdi/Png.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/gdiplus/gdiplus.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/resources.h"
#include "platform/win32/stream.h"

namespace {

using namespace Gdiplus;

// Channels of two ARGB colours differ by at most one (GDI+ leaves the
// rounding of matrix results open).
bool Near(ARGB a, ARGB b) {
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1)
            return false;
    return true;
}

class GdiplusTest : public ::testing::Test {
protected:
    void SetUp() override {
        GdiplusStartupInput input;
        ASSERT_EQ(GdiplusStartup(&mToken, &input, nullptr), Ok);
    }
    void TearDown() override { GdiplusShutdown(mToken); }

    // A 2 x 1 PNG: opaque red, then half-transparent blue.
    static ComPtr<IStream> PngStream() {
        gdi::Surface s(2, 1);
        s.Set(0, 0, 0xFFFF0000);
        s.Set(1, 0, 0x800000FF);
        const std::vector<std::uint8_t> png = gdi::EncodePngWithAlpha(s);
        return ComPtr<IStream>::Adopt(MemoryStream::Create(std::vector<BYTE>(png.begin(), png.end())));
    }

    ULONG_PTR mToken = 0;
};

TEST(GdiplusSession, NothingWorksBeforeTheSessionStarts) {
    ASSERT_EQ(ActiveSessions(), 0);
    Bitmap b(4, 4);
    EXPECT_EQ(b.GetLastStatus(), GdiplusNotInitialized);
    EXPECT_EQ(b.GetLastStatus(), Ok) << "read and reset";
}

TEST_F(GdiplusTest, StreamsDecodeAsStraightArgbAndBadBytesAreRefused) {
    Bitmap* b = Bitmap::FromStream(PngStream().Get());
    ASSERT_EQ(b->GetLastStatus(), Ok);
    EXPECT_EQ(b->GetWidth(), 2u);
    EXPECT_EQ(b->GetPixelFormat(), PixelFormat32bppARGB);
    Color c;
    b->GetPixel(1, 0, &c);
    EXPECT_EQ(c.GetValue(), 0x800000FFu);
    delete b;

    auto junk = ComPtr<IStream>::Adopt(MemoryStream::Create({1, 2, 3}));
    Bitmap bad(junk.Get());
    EXPECT_EQ(bad.GetLastStatus(), UnknownImageFormat);
}

TEST_F(GdiplusTest, BitmapResourcesOpenAsOpaqueFormatsOfTheirDepth) {
    const HMODULE module = reinterpret_cast<HMODULE>(std::uintptr_t{0x7710});
    std::vector<BYTE> dib(40 + 4 * 2);
    BITMAPINFOHEADER h{40, 2, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(dib.data(), &h, sizeof h);
    dib[40] = 0xFF; // blue, then green
    dib[44] = 0xFF;
    RegisterResource(module, MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(300), 0x0409, dib);
    Bitmap b(module, MAKEINTRESOURCEW(300));
    ASSERT_EQ(b.GetLastStatus(), Ok);
    EXPECT_EQ(b.GetPixelFormat(), PixelFormat24bppRGB);
    Color c;
    b.GetPixel(1, 0, &c);
    EXPECT_EQ(c.GetValue(), 0xFF00FF00u);
    Bitmap missing(module, MAKEINTRESOURCEW(301));
    EXPECT_EQ(missing.GetLastStatus(), InvalidParameter);
    UnregisterResources(module);
}

TEST_F(GdiplusTest, PremultipliedBitmapsKeepStraightColoursThroughTheirPixels) {
    Bitmap b(1, 1, PixelFormat32bppPARGB);
    b.SetPixel(0, 0, Color(0x80FF0000));
    EXPECT_EQ(b.Pixels()->Get(0, 0), 0x80800000u);
    Color c;
    b.GetPixel(0, 0, &c);
    EXPECT_EQ(c.GetValue(), 0x80FF0000u);

    Bitmap copy(2, 1, PixelFormat32bppPARGB);
    Graphics g(&copy);
    Bitmap* png = Bitmap::FromStream(PngStream().Get());
    EXPECT_EQ(g.DrawImage(png, Rect{0, 0, 2, 1}), Ok);
    EXPECT_EQ(copy.Pixels()->Get(1, 0), 0x80000080u);
    delete png;
}

TEST_F(GdiplusTest, DrawingThroughAttributesRemapsThenAppliesTheMatrix) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateBitmap(3, 1, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    gdi::SurfaceOf(target)->Fill(0x00FFFFFF);
    Bitmap src(3, 1, PixelFormat32bppRGB);
    src.SetPixel(0, 0, Color(0xFFC0C0C0));
    src.SetPixel(1, 0, Color(0xFF0000FF));
    src.SetPixel(2, 0, Color(0xFFFF0000));
    ImageAttributes attributes;
    const ColorMap remap{Color(0xFFC0C0C0), Color(0x00000000)};
    attributes.SetRemapTable(1, &remap, ColorAdjustTypeBitmap);
    const ColorMatrix grey{{{0.299f, 0.299f, 0.299f, 0, 0},
                            {0.587f, 0.587f, 0.587f, 0, 0},
                            {0.114f, 0.114f, 0.114f, 0, 0},
                            {0, 0, 0, 1, 0},
                            {0, 0, 0, 0, 0}}};
    attributes.SetColorMatrix(&grey, ColorMatrixFlagsDefault, ColorAdjustTypeBitmap);
    Graphics g(dc);
    EXPECT_EQ(g.DrawImage(&src, Rect{0, 0, 3, 1}, 0, 0, 3, 1, UnitPixel, &attributes), Ok);
    const gdi::Surface& s = *gdi::SurfaceOf(target);
    EXPECT_EQ(s.Get(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "light grey became transparent";
    EXPECT_TRUE(Near(s.Get(1, 0) & 0xFFFFFF, 0x1D1D1D)) << std::hex << s.Get(1, 0); // 0.114 x 255
    EXPECT_TRUE(Near(s.Get(2, 0) & 0xFFFFFF, 0x4C4C4C)) << std::hex << s.Get(2, 0); // 0.299 x 255
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST_F(GdiplusTest, SolidFillsComposeOverADeviceContextsPixels) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    gdi::SurfaceOf(target)->Fill(0x00FFFFFF);
    IntersectClipRect(dc, 0, 0, 2, 4);
    Graphics g(dc);
    SolidBrush pressed(Color(0x14007ED2));
    EXPECT_EQ(g.FillRectangle(&pressed, 0, 0, 4, 4), Ok);
    const gdi::Surface& s = *gdi::SurfaceOf(target);
    // 20 / 255 of (0, 126, 210) over white.
    EXPECT_TRUE(Near(s.Get(1, 1), 0x00EBF5FB)) << std::hex << s.Get(1, 1);
    EXPECT_EQ(s.Get(3, 1), 0x00FFFFFFu) << "clipped";
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST_F(GdiplusTest, GetHbitmapDrawsOverTheBackground) {
    Bitmap* png = Bitmap::FromStream(PngStream().Get());
    HBITMAP h = nullptr;
    ASSERT_EQ(png->GetHBITMAP(Color(0xFF000000), &h), Ok);
    EXPECT_EQ(gdi::SurfaceOf(h)->Get(0, 0), 0xFFFF0000u);
    EXPECT_TRUE(Near(gdi::SurfaceOf(h)->Get(1, 0), 0xFF000080));
    DeleteObject(h);
    delete png;
}

} // namespace
