// The handle table: selection, deletion rules, stock objects, descriptions
// and the live-object count.

#include <cstring>

#include <gtest/gtest.h>

#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;

TEST(Objects, CreatingAndDeletingBalancesTheLiveCount) {
    const int before = gdi::LiveObjectCount();
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(gdi::LiveObjectCount(), before + 4);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(region));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(gdi::LiveObjectCount(), before);
    EXPECT_FALSE(DeleteObject(pen)) << "a deleted handle is not taken again";
    EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST(Objects, SelectReturnsThePreviousAndASelectedObjectCannotBeDeleted) {
    Canvas c(4, 4);
    HPEN pen = CreatePen(PS_DOT, 0, RGB(9, 9, 9));
    EXPECT_EQ(SelectObject(c.dc(), pen), GetStockObject(BLACK_PEN));
    EXPECT_FALSE(DeleteObject(pen));
    const int saved = SaveDC(c.dc());
    EXPECT_EQ(SelectObject(c.dc(), GetStockObject(WHITE_PEN)), pen);
    EXPECT_FALSE(DeleteObject(pen)) << "still held by the saved state";
    RestoreDC(c.dc(), saved);
    EXPECT_EQ(SelectObject(c.dc(), GetStockObject(BLACK_PEN)), pen);
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(Objects, StockObjectsSurviveDeletion) {
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white));
    EXPECT_EQ(GetObjectType(white), OBJ_BRUSH);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    for (int index : {LTGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT,
                      DEFAULT_GUI_FONT, DC_BRUSH, DC_PEN})
        EXPECT_NE(GetStockObject(index), nullptr) << index;
    EXPECT_EQ(GetStockObject(9), nullptr);
}

TEST(Objects, GetObjectDescribesWhatWasAsked) {
    LOGFONTW asked{};
    asked.lfHeight = -11;
    asked.lfWeight = FW_BOLD;
    asked.lfUnderline = 1;
    std::memcpy(asked.lfFaceName, u"MS Shell Dlg 2", sizeof(u"MS Shell Dlg 2"));
    HFONT font = CreateFontIndirectW(&asked);
    LOGFONTW got{};
    EXPECT_EQ(GetObjectW(font, sizeof(got), &got), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(std::memcmp(&got, &asked, sizeof(got)), 0);
    EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
    DeleteObject(font);

    HPEN pen = CreatePen(PS_DOT, 4, RGB(16, 16, 16));
    LOGPEN lp{};
    GetObjectW(pen, sizeof(lp), &lp);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
    EXPECT_EQ(lp.lopnWidth.x, 4);
    EXPECT_EQ(lp.lopnColor, RGB(16, 16, 16));
    DeleteObject(pen);

    HBITMAP bitmap = CreateBitmap(10, 3, 1, 32, nullptr);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 10);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 40);
    DeleteObject(bitmap);
}

TEST(Objects, FaceNamesAreCutToThirtyOneUnits) {
    const char16_t* longName = u"An exceptionally long face name that goes on";
    HFONT font = CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, longName);
    LOGFONTW lf{};
    GetObjectW(font, sizeof(lf), &lf);
    EXPECT_EQ(std::u16string(lf.lfFaceName), std::u16string(longName).substr(0, 31));
    DeleteObject(font);
}

TEST(Bitmaps, ABitmapGoesIntoOneMemoryContextAtATime) {
    Canvas c(4, 4);
    HDC other = CreateCompatibleDC(c.dc());
    EXPECT_EQ(SelectObject(other, c.bitmap()), nullptr);
    EXPECT_FALSE(DeleteObject(c.bitmap()));
    DeleteDC(other);
}

TEST(Bitmaps, CompatibleWithAFreshMemoryContextIsMonochrome) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateCompatibleBitmap(dc, 8, 8);
    BITMAP bm{};
    GetObjectW(mono, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    HGDIOBJ old = SelectObject(dc, mono);
    EXPECT_EQ(SetPixel(dc, 1, 1, RGB(255, 0, 0)), RGB(0, 0, 0)) << "red maps to black on one bit";
    EXPECT_EQ(SetPixel(dc, 2, 2, RGB(200, 200, 200)), RGB(255, 255, 255));
    HBITMAP colour = CreateCompatibleBitmap(dc, 8, 8);
    GetObjectW(colour, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1) << "still compatible with the selected bitmap";
    SelectObject(dc, old);
    DeleteObject(colour);
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST(Bitmaps, RefusesImpossibleSizes) {
    EXPECT_EQ(CreateBitmap(-1, 4, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(100000, 4, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 7, nullptr), nullptr);
    HBITMAP empty = CreateBitmap(0, 0, 1, 32, nullptr);
    BITMAP bm{};
    GetObjectW(empty, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(empty);
}

TEST(Objects, DcPenAndBrushTakeTheContextsColours) {
    Canvas c(6, 6);
    SelectObject(c.dc(), GetStockObject(DC_PEN));
    SelectObject(c.dc(), GetStockObject(DC_BRUSH));
    SetDCPenColor(c.dc(), RGB(0, 0, 255));
    SetDCBrushColor(c.dc(), RGB(0xDF, 0xDF, 0xDF));
    Rectangle(c.dc(), 0, 0, 5, 5);
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(c.At(2, 2), RGB(0xDF, 0xDF, 0xDF));
}

} // namespace
