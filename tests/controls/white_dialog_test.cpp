// The white look of the template dialogs and the small window helpers.

#include <gtest/gtest.h>

#include "controls/WhiteDlg.h"
#include "tests/controls/ControlsTest.h"

namespace {

using controls_test::ControlsTest;

class WhiteDialog : public ControlsTest {
protected:
    // A 100 x 80 window (client area) with the given buttons, its colours painted into a bitmap.
    struct Painted {
        int band;
        COLORREF top, bandRow, edge, bottom;
    };
    Painted Paint(std::initializer_list<int> buttons) {
        HWND dialog =
            CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 100, 80, nullptr, nullptr, nullptr, nullptr);
        for (int id : buttons)
            CreateWindowExW(0, u"Button", u"", WS_CHILD, 40, 60, 30, 14, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 80);
        HGDIOBJ old = SelectObject(dc, bitmap);
        const int band = Ovo::DialogBandHeight(dialog);
        Ovo::PaintWhiteDialog(dialog, dc, band);
        Painted p{band, GetPixel(dc, 5, 0), GetPixel(dc, 5, 79), band > 0 ? GetPixel(dc, 5, 80 - band) : 0,
                  GetPixel(dc, 5, 79)};
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        DestroyWindow(dialog);
        return p;
    }
};

TEST_F(WhiteDialog, TheButtonBandLiesAsFarAboveTheButtonAsItsBottomAboveTheEdge) {
    // The button spans rows 60 to 74 of an 80-row client: (80 - 60) + (80 - 74) = 26.
    for (auto buttons : {std::initializer_list<int>{IDOK}, {IDCANCEL}, {IDOK, IDCANCEL}}) {
        const Painted p = Paint(buttons);
        EXPECT_EQ(p.band, 26);
        EXPECT_EQ(p.top, Ovo::kDialogWhite);
        EXPECT_EQ(p.edge, Ovo::kDialogBandEdge);
        EXPECT_EQ(p.bottom, Ovo::kDialogBandGrey);
    }
    const Painted plain = Paint({1077});
    EXPECT_EQ(plain.band, 0) << "a step dialog has neither OK nor Cancel";
    EXPECT_EQ(plain.bottom, Ovo::kDialogWhite);
}

TEST_F(WhiteDialog, SmallHelpers) {
    EXPECT_TRUE(Ovo::IsRectEmptyAll(RECT{0, 0, 0, 0}));
    EXPECT_FALSE(Ovo::IsRectEmptyAll(RECT{5, 5, 5, 5}));
    SIZE size{7, 9};
    EXPECT_FALSE(Ovo::GetBitmapSize(reinterpret_cast<HBITMAP>(GetStockObject(DC_BRUSH)), size));
    EXPECT_EQ(size.cx, 7);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 12, 5);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(Ovo::GetBitmapSize(bitmap, size));
    EXPECT_EQ(size.cx, 12);
    EXPECT_EQ(size.cy, 5);
    DeleteObject(bitmap);
}

} // namespace
