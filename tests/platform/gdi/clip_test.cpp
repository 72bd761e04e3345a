// Clipping: surface bounds n the bridge's clip n the application clip, in the
// coordinates each is given in; regions in canonical form.

#include <gtest/gtest.h>

#include "platform/gdi/bridge.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::Points;
using gdi_test::RectPoints;

constexpr COLORREF kRed = RGB(255, 0, 0);

void FillAll(HDC dc) {
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT all{-100, -100, 100, 100};
    FillRect(dc, &all, red);
    DeleteObject(red);
}

TEST(Clip, IntersectAndExcludeShapeTheApplicationClip) {
    Canvas c(20, 20);
    EXPECT_EQ(IntersectClipRect(c.dc(), 5, 5, 12, 10), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(c.dc(), 7, 6, 9, 8), COMPLEXREGION);
    FillAll(c.dc());
    Points want = RectPoints(5, 5, 12, 10);
    for (const auto& p : RectPoints(7, 6, 9, 8))
        want.erase(p);
    EXPECT_EQ(c.Where(kRed), want);
    RECT box{};
    GetClipBox(c.dc(), &box);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.bottom, 10);
    const RECT inside{6, 6, 8, 8}, outside{0, 0, 5, 5};
    EXPECT_TRUE(RectVisible(c.dc(), &inside));
    EXPECT_FALSE(RectVisible(c.dc(), &outside));
}

TEST(Clip, IsSetInLogicalCoordinatesAndStaysWhenOriginsMoveLater) {
    Canvas c(20, 20);
    SetViewportOrgEx(c.dc(), 4, 0, nullptr);
    IntersectClipRect(c.dc(), 0, 0, 3, 3); // device [4, 7) x [0, 3)
    SetViewportOrgEx(c.dc(), 0, 0, nullptr);
    FillAll(c.dc());
    EXPECT_EQ(c.Where(kRed), RectPoints(4, 0, 7, 3));
    RECT box{};
    SetWindowOrgEx(c.dc(), 1, 0, nullptr);
    GetClipBox(c.dc(), &box);
    EXPECT_EQ(box.left, 5) << "the clip box is logical";
}

TEST(Clip, SelectingNoRegionDropsOnlyTheApplicationClip) {
    auto surface = std::make_shared<gdi::Surface>(30, 30, 32, gdi::PixelFromColor(RGB(255, 255, 255)));
    gdi::SurfaceTarget window;
    window.surface = surface;
    window.origin = POINT{10, 5};
    window.clip = gdi::Region(RECT{12, 7, 20, 15});
    HDC dc = gdi::CreateSurfaceDC(window);
    POINT org{};
    GetDCOrgEx(dc, &org);
    EXPECT_EQ(org.x, 10);
    IntersectClipRect(dc, 0, 0, 5, 5); // surface [10, 15) x [5, 10)
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, probe), 1);
    FillAll(dc);
    auto lit = [&] {
        Points out;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                if (gdi::ColorFromPixel(surface->Get(x, y)) == kRed)
                    out.emplace(x, y);
        return out;
    };
    EXPECT_EQ(lit(), RectPoints(12, 7, 15, 10));
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(dc, probe), 0);
    FillAll(dc);
    EXPECT_EQ(lit(), RectPoints(12, 7, 20, 15)) << "the window's clip stays";
    gdi::SetSurfaceDCClip(dc, std::nullopt);
    FillAll(dc);
    EXPECT_EQ(lit(), RectPoints(0, 0, 30, 30)) << "no clip: the whole surface";
    DeleteObject(probe);
    DeleteDC(dc);
}

TEST(Clip, SaveAndRestoreBringBackTheClipExactly) {
    Canvas c(10, 10);
    IntersectClipRect(c.dc(), 1, 1, 9, 9);
    const int saved = SaveDC(c.dc());
    IntersectClipRect(c.dc(), 4, 4, 5, 5);
    RestoreDC(c.dc(), saved);
    FillAll(c.dc());
    EXPECT_EQ(c.Where(kRed), RectPoints(1, 1, 9, 9));
}

TEST(Clip, ExtSelectClipRgnCombinesInDeviceCoordinates) {
    Canvas c(10, 10);
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN b = CreateRectRgn(2, 2, 6, 6);
    SelectClipRgn(c.dc(), a);
    EXPECT_EQ(ExtSelectClipRgn(c.dc(), b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(ExtSelectClipRgn(c.dc(), nullptr, RGN_AND), ERROR);
    FillAll(c.dc());
    EXPECT_EQ(c.Where(kRed).size(), 28u);
    DeleteObject(a);
    DeleteObject(b);
}

TEST(Regions, EqualSetsCompareEqualHoweverTheyWereBuilt) {
    HRGN left = CreateRectRgn(0, 0, 5, 10);
    HRGN right = CreateRectRgn(5, 0, 10, 10);
    HRGN whole = CreateRectRgn(10, 10, 0, 0);
    HRGN joined = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(joined, left, right, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(joined, whole));
    HRGN top = CreateRectRgn(0, 0, 10, 4);
    HRGN bottom = CreateRectRgn(0, 4, 10, 10);
    HRGN stacked = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(stacked, bottom, top, RGN_OR);
    EXPECT_TRUE(EqualRgn(stacked, joined));
    EXPECT_EQ(CombineRgn(stacked, stacked, left, RGN_DIFF), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(stacked, right));
    EXPECT_EQ(OffsetRgn(stacked, -5, 0), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(stacked, left));
    EXPECT_EQ(CombineRgn(stacked, left, right, RGN_AND), NULLREGION);
    EXPECT_TRUE(PtInRegion(whole, 9, 9));
    EXPECT_FALSE(PtInRegion(whole, 10, 9));
    for (HRGN r : {left, right, whole, joined, top, bottom, stacked})
        DeleteObject(r);
}

} // namespace

namespace {

TEST(Clip, AClipPathOfARectangleClipsToThatRectangleAndEndsThePath) {
    Canvas c(20, 20);
    EXPECT_FALSE(SelectClipPath(c.dc(), RGN_AND)); // no path
    ASSERT_TRUE(BeginPath(c.dc()));
    Rectangle(c.dc(), 3, 4, 9, 12); // into the path: nothing drawn
    ASSERT_TRUE(EndPath(c.dc()));
    EXPECT_TRUE(c.Where(RGB(0, 0, 0)).empty());
    ASSERT_TRUE(SelectClipPath(c.dc(), RGN_AND));
    FillAll(c.dc());
    EXPECT_EQ(c.Where(kRed), RectPoints(3, 4, 9, 12));
    EXPECT_FALSE(SelectClipPath(c.dc(), RGN_AND)); // the path was used up
    ExtSelectClipRgn(c.dc(), nullptr, RGN_COPY);
    FillAll(c.dc());
    EXPECT_EQ(c.Where(kRed).size(), 400u);
}

TEST(Clip, APathOfLinesClipsToTheFilledPolygonAndAnAbortedPathDrawsNothing) {
    Canvas c(20, 20);
    BeginPath(c.dc());
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 10, 0);
    LineTo(c.dc(), 10, 10);
    LineTo(c.dc(), 0, 10);
    EndPath(c.dc());
    SelectClipPath(c.dc(), RGN_COPY);
    FillAll(c.dc());
    EXPECT_EQ(c.Where(kRed), RectPoints(0, 0, 10, 10));
    BeginPath(c.dc());
    AbortPath(c.dc());
    EXPECT_FALSE(EndPath(c.dc()));
}

} // namespace
