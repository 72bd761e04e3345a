// Fonts in points, system colours, lightening and the one-pixel frame.

#include <gtest/gtest.h>

#include "controls/Fonts.h"
#include "controls/SysColours.h"
#include "platform/gdi/bridge.h"
#include "platform/gdi/probe.h"
#include "platform/owl/TApplication.h"

namespace {

TEST(Fonts, DialogFontsTakePointsAtTheContextsResolutionAndRotatedOnesTrueTypeOnly) {
    LOGFONTW f{};
    CreateDialogFont(9, 0, nullptr)->GetObject(f);
    EXPECT_EQ(f.lfHeight, 12) << "MulDiv(9, 96, 72)";
    EXPECT_EQ(f.lfOutPrecision, 0);
    EXPECT_EQ(f.lfPitchAndFamily, 0x22);
    CreateDialogFont(0, 900, nullptr)->GetObject(f);
    EXPECT_EQ(f.lfHeight, 13) << "0 points: the UI size, 10";
    EXPECT_EQ(f.lfEscapement, 900);
    EXPECT_EQ(f.lfOutPrecision, 7);

    EXPECT_FALSE(CreateRotatedFont(nullptr, nullptr, 10, 0, false));
    HFONT rotated = nullptr;
    ASSERT_TRUE(CreateRotatedFont(&rotated, nullptr, 12, 2700, true));
    GetObjectW(rotated, sizeof f, &f);
    EXPECT_EQ(f.lfOrientation, 2700);
    EXPECT_EQ(f.lfItalic, 1);
    DeleteObject(rotated);

    gdi::DeviceCaps printer;
    printer.technology = DT_RASPRINTER;
    printer.logPixelsY = 300;
    HDC dc = gdi::CreateSurfaceDC({nullptr, {}, std::nullopt, printer, nullptr});
    EXPECT_EQ(PointsToLogical(10, dc), 42);
    GuiFont gui;
    MakeGuiFont(dc, gui, 8, true);
    gui.font->GetObject(f);
    EXPECT_EQ(f.lfWeight, FW_BOLD);
    EXPECT_EQ(f.lfPitchAndFamily, 0x12);
    EXPECT_EQ(f.lfOutPrecision, 7);
    EXPECT_GT(gui.metrics.tmHeight, 0);
    DeleteDC(dc);
}

TEST(Fonts, JapaneseUserInterfacesTakeTwelvePoints) {
    OWL::TApplication::Current().SetLangId(0x0411);
    EXPECT_EQ(UiPointSize(), 12);
    OWL::TApplication::Current().SetLangId(0x0409);
    EXPECT_EQ(UiPointSize(), 10);
}

TEST(Fonts, LineHeightsAreTheAverageWidthAndTheLeadedHeight) {
    HFONT own =
        CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0x22, u"MS Shell Dlg 2");
    const auto [width, height] = GetFontLineHeight(own);
    EXPECT_GT(width, 0);
    EXPECT_GE(height, 13);
    DeleteObject(own);
}

TEST(SysColours, LighteningIsCappedAt240) {
    EXPECT_EQ(LightenColor(RGB(255, 255, 255), 1.0), RGB(240, 240, 240));
    EXPECT_EQ(LightenColor(RGB(0, 0, 0), 0.5), RGB(120, 120, 120));
    EXPECT_EQ(LightenColor(RGB(100, 0, 200), 0.0), RGB(100, 0, 200));
    RefreshSysColors();
    EXPECT_EQ(CurrentSysColours().buttonFace, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(DefaultSysColours().white, RGB(255, 255, 255));
}

TEST(SysColours, TheOnePixelFrameLeavesTheBackgroundColourAsItWas) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP b = CreateBitmap(6, 5, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, b);
    gdi::SurfaceOf(b)->Fill(0x00FFFFFF);
    SetBkColor(dc, RGB(1, 2, 3));
    DrawOnePixelFrame(dc, RGB(255, 0, 0), RGB(0, 0, 255), RECT{0, 0, 6, 5});
    const gdi::Surface& s = *gdi::SurfaceOf(b);
    EXPECT_EQ(gdi::ColorFromPixel(s.Get(2, 0)), RGB(255, 0, 0));
    EXPECT_EQ(gdi::ColorFromPixel(s.Get(0, 3)), RGB(255, 0, 0));
    EXPECT_EQ(gdi::ColorFromPixel(s.Get(5, 2)), RGB(0, 0, 255));
    EXPECT_EQ(gdi::ColorFromPixel(s.Get(2, 4)), RGB(0, 0, 255));
    EXPECT_EQ(gdi::ColorFromPixel(s.Get(2, 2)), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    SelectObject(dc, old);
    DeleteObject(b);
    DeleteDC(dc);
}

} // namespace
