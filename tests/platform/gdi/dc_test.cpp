// Device-context state: save and restore, origins, capabilities, MulDiv and
// the display list.

#include <gtest/gtest.h>

#include "platform/gdi/DeviceCaps.h"
#include "platform/gdi/bridge.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;
using gdi_test::RectPoints;

TEST(MulDiv, RoundsHalfAwayFromZeroAndFailsWithMinusOne) {
    struct Case {
        int a, b, c, want;
    } cases[] = {{9, 96, 72, 12},
                 {10, 96, 72, 13},
                 {1, 1, 2, 1},
                 {-1, 1, 2, -1},
                 {3, 1, -2, -2},
                 {5, 1, 3, 2},
                 {4, 1, 3, 1},
                 {7, 0, 3, 0},
                 {1, 1, 0, -1},
                 {-7, -3, 2, 11},
                 {0x7FFFFFFF, 2, 2, 0x7FFFFFFF},
                 {0x7FFFFFFF, 3, 1, -1},
                 {-0x7FFFFFFF - 1, 1, -1, -1}};
    for (const Case& k : cases)
        EXPECT_EQ(MulDiv(k.a, k.b, k.c), k.want) << k.a << " " << k.b << " " << k.c;
}

TEST(DeviceCaps, ScreenDefaultsAndMemoryContextsFollowTheirReference) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1920);
    EXPECT_EQ(GetDeviceCaps(dc, HORZSIZE), 508);
    SIZE ext{};
    EXPECT_TRUE(GetWindowExtEx(dc, &ext));
    EXPECT_EQ(ext.cx, 1);
    EXPECT_TRUE(GetViewportExtEx(dc, &ext));
    EXPECT_EQ(ext.cy, 1);

    gdi::DeviceCaps printer;
    printer.technology = DT_RASPRINTER;
    printer.logPixelsX = printer.logPixelsY = 600;
    HDC page =
        gdi::CreateSurfaceDC({std::make_shared<gdi::Surface>(10, 10), {}, std::nullopt, printer, nullptr});
    HDC compatible = CreateCompatibleDC(page);
    EXPECT_EQ(GetDeviceCaps(compatible, LOGPIXELSY), 600);
    EXPECT_EQ(GetDeviceCaps(compatible, TECHNOLOGY), DT_RASPRINTER);
    DeleteDC(compatible);
    DeleteDC(page);
    DeleteDC(dc);
}

TEST(SaveDC, RestoreBringsBackObjectsColoursModesOriginsAndClip) {
    Canvas c(20, 20);
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    const int level = SaveDC(c.dc());
    EXPECT_EQ(level, 1);
    SelectObject(c.dc(), pen);
    SetTextColor(c.dc(), RGB(1, 2, 3));
    SetBkMode(c.dc(), TRANSPARENT);
    SetROP2(c.dc(), R2_NOT);
    SetTextAlign(c.dc(), TA_BASELINE);
    SetViewportOrgEx(c.dc(), 5, 5, nullptr);
    IntersectClipRect(c.dc(), 0, 0, 3, 3);
    MoveToEx(c.dc(), 7, 7, nullptr);
    EXPECT_EQ(SaveDC(c.dc()), 2);
    SetTextColor(c.dc(), RGB(9, 9, 9));
    EXPECT_TRUE(RestoreDC(c.dc(), -1));
    EXPECT_EQ(GetTextColor(c.dc()), RGB(1, 2, 3));
    EXPECT_TRUE(RestoreDC(c.dc(), level));
    EXPECT_EQ(GetTextColor(c.dc()), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(c.dc()), OPAQUE);
    EXPECT_EQ(GetROP2(c.dc()), R2_COPYPEN);
    EXPECT_EQ(GetTextAlign(c.dc()), TA_TOP);
    POINT org{}, pos{};
    GetViewportOrgEx(c.dc(), &org);
    GetCurrentPositionEx(c.dc(), &pos);
    EXPECT_EQ(org.x, 0);
    EXPECT_EQ(pos.x, 0);
    RECT box{};
    EXPECT_EQ(GetClipBox(c.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(SelectObject(c.dc(), GetStockObject(BLACK_PEN)), GetStockObject(BLACK_PEN));
    EXPECT_FALSE(RestoreDC(c.dc(), -1)) << "nothing left to restore";
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(Origins, DeviceIsLogicalMinusWindowPlusViewportOrigin) {
    Canvas c(20, 20);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SetViewportOrgEx(c.dc(), 10, 4, nullptr);
    SetWindowOrgEx(c.dc(), 3, 1, nullptr);
    const RECT r{0, 0, 2, 2};
    FillRect(c.dc(), &r, red);
    EXPECT_EQ(c.Where(RGB(255, 0, 0)), RectPoints(7, 3, 9, 5));
    EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(255, 0, 0));
    DeleteObject(red);
}

TEST(DisplayList, RecordsCallsWithTheirArgumentsAndState) {
    Canvas c(20, 20);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    SelectObject(c.dc(), pen);
    SetViewportOrgEx(c.dc(), 1, 1, nullptr);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 5, 6);
    RECT r{0, 0, 10, 10};
    DrawTextW(c.dc(), u"Loop", -1, &r, DT_SINGLELINE);
    const gdi::DisplayList& list = *gdi::DisplayListOf(c.dc());
    const auto lines = list.Named("LineTo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].args, (std::vector<std::int64_t>{0, 0, 5, 6}));
    EXPECT_EQ(lines[0].penColor, RGB(255, 0, 0));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(lines[0].deviceOffset.x, 1);
    const auto texts = list.Named("DrawTextW");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, u"Loop");
    EXPECT_EQ(texts[0].fontFace, u"System");
    SelectObject(c.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST(DisplayList, ContextsOfOneSurfaceCanShareOneList) {
    auto surface = std::make_shared<gdi::Surface>(8, 8);
    auto list = std::make_shared<gdi::DisplayList>();
    for (int i = 0; i < 2; ++i) {
        HDC dc = gdi::CreateSurfaceDC({surface, {}, std::nullopt, gdi::ScreenCaps(), list});
        SetPixel(dc, i, i, RGB(0, 0, 0));
        DeleteDC(dc);
    }
    EXPECT_EQ(list->Named("SetPixel").size(), 2u);
}

} // namespace
