#include <gtest/gtest.h>

#include "platform/gdi/probe.h"
#include "platform/theme/ThemeLibrary.h"
#include "platform/theme/uxtheme.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

class Theme : public ::testing::Test {
protected:
    void SetUp() override { theme::ResetSwitches(); }
    void TearDown() override { theme::ResetSwitches(); }
};

TEST_F(Theme, OpensTheFirstKnownClassOfAListAndClosesEachHandleOnce) {
    HTHEME button = theme::OpenThemeData(nullptr, u"Nonsense; button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(theme::OpenThemeData(nullptr, u"Nonsense"), nullptr);
    EXPECT_EQ(theme::OpenThemeData(nullptr, nullptr), nullptr);
    EXPECT_EQ(theme::OpenHandles(), 1);
    EXPECT_EQ(theme::CloseThemeData(button), S_OK);
    EXPECT_EQ(theme::CloseThemeData(button), theme::E_HANDLE);
    EXPECT_EQ(theme::OpenHandles(), 0);
}

TEST_F(Theme, ThemesSwitchedOffOpenNothing) {
    theme::CurrentSwitches().themeActive = false;
    EXPECT_EQ(theme::OpenThemeData(nullptr, u"BUTTON"), nullptr);
    EXPECT_EQ(theme::IsThemeActive(), FALSE);
    theme::CurrentSwitches().appThemed = false;
    EXPECT_EQ(theme::IsAppThemed(), FALSE);
}

TEST_F(Theme, EntriesAreFoundByNameUnlessTheLibraryOrTheEntryIsSwitchedOff) {
    EXPECT_EQ(theme::Entry("OpenThemeData"), reinterpret_cast<void*>(&theme::OpenThemeData));
    EXPECT_EQ(theme::Entry("NoSuchEntry"), nullptr);
    theme::CurrentSwitches().missingEntries.insert("DrawThemeBackground");
    EXPECT_EQ(theme::Entry("DrawThemeBackground"), nullptr);
    EXPECT_NE(theme::Entry("CloseThemeData"), nullptr);
    theme::CurrentSwitches().libraryPresent = false;
    EXPECT_EQ(theme::Entry("CloseThemeData"), nullptr);
    EXPECT_TRUE(theme::IsLibraryName(u"C:\\Windows\\System32\\UxTheme.DLL"));
    EXPECT_FALSE(theme::IsLibraryName(u"uxtheme.so"));
}

TEST_F(Theme, APartIsAFlatFillWithABorderRecordedBeforeItsFills) {
    gdi_test::Canvas canvas(40, 20);
    HTHEME button = theme::OpenThemeData(nullptr, u"BUTTON");
    const RECT unchecked{2, 2, 15, 15};
    const RECT checked{20, 2, 33, 15};
    ASSERT_EQ(theme::DrawThemeBackground(button, canvas.dc(), BP_CHECKBOX, CBS_UNCHECKEDNORMAL, &unchecked,
                                         nullptr),
              S_OK);
    ASSERT_EQ(
        theme::DrawThemeBackground(button, canvas.dc(), BP_CHECKBOX, CBS_CHECKEDNORMAL, &checked, nullptr),
        S_OK);

    const auto& calls = gdi::DisplayListOf(canvas.dc())->Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0].name, "DrawThemeBackground");
    EXPECT_EQ(calls[0].text, u"BUTTON");
    EXPECT_EQ(calls[0].args, (std::vector<std::int64_t>{BP_CHECKBOX, CBS_UNCHECKEDNORMAL, 2, 2, 15, 15}));
    EXPECT_EQ(calls[1].name, "FillRect");

    // Border and face differ, the part ends inside its rectangle, checked and
    // unchecked faces differ, and only the checked box has a tick (pixels of
    // its border colour inside the border).
    const COLORREF border = canvas.At(2, 2);
    const COLORREF face = canvas.At(3, 3);
    EXPECT_NE(border, face);
    EXPECT_EQ(canvas.At(14, 14), border);
    EXPECT_EQ(canvas.At(15, 15), RGB(255, 255, 255));
    EXPECT_NE(canvas.At(21, 3), face);
    auto inside = [&](COLORREF c, int l, int t, int r, int b) {
        int n = 0;
        for (auto [x, y] : canvas.Where(c))
            n += (x > l && x < r - 1 && y > t && y < b - 1) ? 1 : 0;
        return n;
    };
    EXPECT_EQ(inside(border, 2, 2, 15, 15), 0);
    EXPECT_GT(inside(canvas.At(20, 2), 20, 2, 33, 15), 0);
}

TEST_F(Theme, DrawingWithAClosedHandleOrNoRectangleFailsAndDrawsNothing) {
    gdi_test::Canvas canvas(10, 10);
    HTHEME button = theme::OpenThemeData(nullptr, u"BUTTON");
    const RECT r{0, 0, 10, 10};
    EXPECT_EQ(theme::DrawThemeBackground(button, canvas.dc(), BP_CHECKBOX, 1, nullptr, nullptr),
              E_INVALIDARG);
    theme::CloseThemeData(button);
    EXPECT_EQ(theme::DrawThemeBackground(button, canvas.dc(), BP_CHECKBOX, 1, &r, nullptr), theme::E_HANDLE);
    EXPECT_TRUE(canvas.NotEqual(RGB(255, 255, 255)).empty());
    EXPECT_EQ(theme::Calls().back().entry, "DrawThemeBackground");
}

TEST_F(Theme, TheClipRectangleLimitsThePart) {
    gdi_test::Canvas canvas(20, 20);
    HTHEME button = theme::OpenThemeData(nullptr, u"BUTTON");
    const RECT r{0, 0, 20, 20};
    const RECT clip{0, 0, 10, 20};
    theme::DrawThemeBackground(button, canvas.dc(), BP_PUSHBUTTON, 1, &r, &clip);
    EXPECT_EQ(canvas.NotEqual(RGB(255, 255, 255)), gdi_test::RectPoints(0, 0, 10, 20));
}

TEST_F(Theme, PartSizesAnswerByClassAndPartAndFailWhenSwitched) {
    HTHEME tip = theme::OpenThemeData(nullptr, u"TOOLTIP");
    SIZE size{};
    ASSERT_EQ(theme::GetThemePartSize(tip, nullptr, TTP_CLOSE, 1, nullptr, TS_DRAW, &size), S_OK);
    EXPECT_EQ(size.cx, 16);
    theme::CurrentSwitches().partSizes[{u"TOOLTIP", TTP_CLOSE}] = SIZE{10, 9};
    theme::GetThemePartSize(tip, nullptr, TTP_CLOSE, 1, nullptr, TS_DRAW, &size);
    EXPECT_EQ(size.cy, 9);
    theme::CurrentSwitches().failures["GetThemePartSize"] = E_FAIL;
    EXPECT_EQ(theme::GetThemePartSize(tip, nullptr, TTP_BALLOONSTEM, 3, nullptr, TS_DRAW, &size), E_FAIL);
    theme::CurrentSwitches().failures["GetThemeColor:3801"] = E_FAIL;
    COLORREF colour = 0;
    EXPECT_EQ(theme::GetThemeColor(tip, 4, 1, TMT_BORDERCOLOR, &colour), E_FAIL);
    EXPECT_EQ(theme::GetThemeColor(tip, 4, 1, TMT_BORDERCOLORHINT, &colour), S_OK);
    theme::CloseThemeData(tip);
}

TEST_F(Theme, BalloonRegionsAreARoundedBodyAndATriangularStem) {
    HTHEME tip = theme::OpenThemeData(nullptr, u"TOOLTIP");
    const RECT body{0, 20, 100, 60};
    HRGN r = nullptr;
    ASSERT_EQ(theme::GetThemeBackgroundRegion(tip, nullptr, TTP_BALLOON, 1, &body, &r), S_OK);
    EXPECT_FALSE(PtInRegion(r, 0, 20));
    EXPECT_TRUE(PtInRegion(r, 50, 20));
    DeleteObject(r);
    const RECT stem{10, 0, 30, 20};
    ASSERT_EQ(theme::GetThemeBackgroundRegion(tip, nullptr, TTP_BALLOONSTEM, 3, &stem, &r), S_OK);
    EXPECT_TRUE(PtInRegion(r, 28, 2)) << "state 3 points up at the right";
    EXPECT_FALSE(PtInRegion(r, 11, 2));
    DeleteObject(r);
    theme::CloseThemeData(tip);
}

TEST_F(Theme, TextIsDrawnAndMeasuredInTheContextsFont) {
    gdi_test::Canvas c(200, 40);
    HTHEME style = theme::OpenThemeData(nullptr, u"TEXTSTYLE");
    RECT extent{};
    const RECT bounds{0, 0, 200, 40};
    ASSERT_EQ(theme::GetThemeTextExtent(style, c.dc(), TEXT_HYPERLINKTEXT, 2, u"Learn more", -1,
                                        DT_SINGLELINE, &bounds, &extent),
              S_OK);
    SIZE size{};
    GetTextExtentPoint32W(c.dc(), u"Learn more", 10, &size);
    EXPECT_EQ(extent.right, size.cx);
    ASSERT_EQ(theme::DrawThemeText(style, c.dc(), TEXT_HYPERLINKTEXT, 2, u"Learn more", -1, DT_SINGLELINE, 0,
                                   &bounds),
              S_OK);
    EXPECT_FALSE(c.Where(RGB(0, 102, 204)).empty()) << "the hyperlink colour";
    theme::CloseThemeData(style);
}

TEST_F(Theme, BufferedAnimationsEndAtOnceOnTheTarget) {
    gdi_test::Canvas c(20, 20);
    ASSERT_EQ(theme::BufferedPaintInit(), S_OK);
    const RECT r{5, 5, 15, 15};
    BP_ANIMATIONPARAMS still{sizeof(BP_ANIMATIONPARAMS), 0, BPAS_LINEAR, 0};
    HDC from = nullptr, to = nullptr;
    HANIMATIONBUFFER a = theme::BeginBufferedAnimation(nullptr, c.dc(), &r, BPBF_COMPATIBLEBITMAP, nullptr,
                                                       &still, &from, &to);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(from, nullptr) << "nothing to fade from in 0 ms";
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(to, &r, red);
    DeleteObject(red);
    EXPECT_FALSE(theme::BufferedPaintRenderAnimation(nullptr, c.dc()));
    ASSERT_EQ(theme::EndBufferedAnimation(a, TRUE), S_OK);
    EXPECT_EQ(c.Where(RGB(255, 0, 0)), gdi_test::RectPoints(5, 5, 15, 15));
    theme::BufferedPaintUnInit();
    EXPECT_EQ(theme::BufferedPaintSessions(), 0);
}

TEST_F(Theme, AnAnimationWithADurationCrossFadesOnTheTestClock) {
    user::Desktop::Reset();
    HWND w = CreateWindowExW(0, u"Static", u"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                             nullptr, nullptr);
    gdi_test::Canvas c(20, 20);
    theme::BufferedPaintInit();
    const RECT r{0, 0, 10, 10};
    BP_ANIMATIONPARAMS fade{sizeof(BP_ANIMATIONPARAMS), 0, BPAS_LINEAR, 80};
    HDC from = nullptr, to = nullptr;
    HANIMATIONBUFFER a =
        theme::BeginBufferedAnimation(w, c.dc(), &r, BPBF_COMPATIBLEBITMAP, nullptr, &fade, &from, &to);
    ASSERT_NE(from, nullptr);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(from, &r, red);
    FillRect(to, &r, blue);
    DeleteObject(red);
    DeleteObject(blue);
    ASSERT_EQ(theme::EndBufferedAnimation(a, TRUE), S_OK);
    EXPECT_EQ(GetPixel(c.dc(), 5, 5), RGB(255, 0, 0)) << "the first frame is the old picture";
    user::Desktop::Current().Advance(40);
    ASSERT_TRUE(theme::BufferedPaintRenderAnimation(w, c.dc()));
    const COLORREF half = GetPixel(c.dc(), 5, 5);
    EXPECT_NEAR(GetRValue(half), 128, 2);
    EXPECT_NEAR(GetBValue(half), 127, 2);
    user::Desktop::Current().Advance(40);
    EXPECT_FALSE(theme::BufferedPaintRenderAnimation(w, c.dc())) << "over: the window paints itself";
    theme::BufferedPaintUnInit();
    DestroyWindow(w);
}

} // namespace
