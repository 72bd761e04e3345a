// GDI+ images of resources and the bitmap button.

#include <gtest/gtest.h>

#include "controls/CWtlBitmapButton.h"
#include "controls/GdiPlusBitmap.h"
#include "controls/GdiplusStarter.h"
#include "platform/gdi/Png.h"
#include "platform/win32/global.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using controls_test::TestModule;

constexpr WORD kPicture = 900;
constexpr WORD kJunk = 901;
constexpr COLORREF kFill = RGB(30, 160, 60);

// A 16 x 16 disc of green on transparent corners.
std::vector<BYTE> DiscPng() {
    gdi::Surface s(16, 16, 32, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) < 56)
                s.Set(x, y, 0xFF000000u | gdi::PixelFromColor(kFill));
    const auto bytes = gdi::EncodePngWithAlpha(s);
    return std::vector<BYTE>(bytes.begin(), bytes.end());
}

class Images : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        RegisterResource(TestModule(), u"PNG", MAKEINTRESOURCEW(kPicture), 0x0409, DiscPng());
        RegisterResource(TestModule(), u"PNG", MAKEINTRESOURCEW(kJunk), 0x0409, {1, 2, 3, 4});
        EnsureGdiplusStarted();
    }
};

TEST_F(Images, APngResourceDecodesAndASecondLoadReplacesTheFirst) {
    const int blocks = win32::LiveGlobalBlocks();
    TGdiPlusBitmapResource png;
    ASSERT_TRUE(png.LoadPngResource(MAKEINTRESOURCEW(kPicture), TestModule()));
    EXPECT_EQ(png.Get()->GetWidth(), 16u);
    EXPECT_EQ(win32::LiveGlobalBlocks(), blocks + 1);
    ASSERT_TRUE(png.LoadPngResource(MAKEINTRESOURCEW(kPicture), TestModule()));
    EXPECT_EQ(win32::LiveGlobalBlocks(), blocks + 1) << "the first block was freed";
}

// A bitmap was kept over the freed block and the block freed again later;
// now a failed load holds neither.
TEST_F(Images, AFailedLoadHoldsNeitherABitmapNorTheBlock) {
    const int blocks = win32::LiveGlobalBlocks();
    {
        TGdiPlusBitmapResource png;
        EXPECT_FALSE(png.LoadPngResource(MAKEINTRESOURCEW(kJunk), TestModule()));
        EXPECT_EQ(png.Get(), nullptr);
        EXPECT_EQ(png.Block(), nullptr);
        EXPECT_FALSE(png.LoadPngResource(MAKEINTRESOURCEW(999), TestModule())) << "no such resource";
    }
    EXPECT_EQ(win32::LiveGlobalBlocks(), blocks);
}

TEST_F(Images, LoadPngScaledGivesAPremultipliedCopyAndNullForAMissingPicture) {
    std::unique_ptr<Gdiplus::Bitmap> scaled(LoadPngScaled(kPicture, TestModule()));
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->GetPixelFormat(), Gdiplus::PixelFormat32bppPARGB);
    Gdiplus::Color c;
    scaled->GetPixel(8, 8, &c);
    EXPECT_EQ(c.GetValue() & 0xFFFFFF, gdi::PixelFromColor(kFill));
    EXPECT_EQ(LoadPngScaled(kJunk, TestModule()), nullptr);
    std::unique_ptr<Gdiplus::Bitmap> icon(LoadGdiplusBitmapFromResource(206, TestModule()));
    EXPECT_EQ(icon->GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(icon->GetWidth(), 12u);
}

TEST_F(Images, TheBitmapButtonDrawsItsPictureCentredAtItsOwnSizeAndGreyWhileDisabled) {
    auto frame = Frame(100, 100, 80, 60);
    ASSERT_TRUE(frame->Create());
    const HWND button = CreateWindowExW(0, u"Button", u"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 60,
                                        40, frame->GetHandle(), reinterpret_cast<HMENU>(1), nullptr, nullptr);
    WTLControls::CWtlBitmapButton face;
    ASSERT_TRUE(face.SubclassWindow(button));
    std::unique_ptr<Gdiplus::Bitmap> picture(LoadGdiplusBitmapFromResource(206, TestModule()));
    TGdiPlusBitmapResource png;
    ASSERT_TRUE(png.LoadPngResource(MAKEINTRESOURCEW(kPicture), TestModule()));
    face.CreateGreyedBitmap(png.Get());
    EXPECT_EQ(face.GetKind(), WTLControls::CWtlBitmapButton::kBitmap);
    InvalidateRect(button, nullptr, TRUE);
    Pump();
    gdi::Surface enabled = user::WindowPicture(button);
    EXPECT_EQ(gdi::ColorFromPixel(enabled.Get(30, 20)), kFill);
    EXPECT_EQ(gdi::ColorFromPixel(enabled.Get(21, 20)), GetSysColor(COLOR_BTNFACE))
        << "22..37 by 12..27: not stretched to the face";
    EXPECT_EQ(gdi::ColorFromPixel(enabled.Get(23, 13)), GetSysColor(COLOR_BTNFACE)) << "the corner is keyed";
    EXPECT_TRUE(golden::Matches(enabled, "bitmap-button-enabled"));

    EnableWindow(button, FALSE);
    Pump();
    const gdi::Surface greyed = user::WindowPicture(button);
    const COLORREF grey = gdi::ColorFromPixel(greyed.Get(30, 20));
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_TRUE(golden::Matches(greyed, "bitmap-button-greyed"));
    EnableWindow(button, TRUE);
    Pump();
    EXPECT_EQ(gdi::ColorFromPixel(user::WindowPicture(button).Get(30, 20)), kFill) << "no reload needed";
    face.UnsubclassWindow();
}

} // namespace
