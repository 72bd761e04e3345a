#include <gtest/gtest.h>

#include "controls/BalloonFrame.h"
#include "controls/ThemeHandle.h"
#include "controls/UxThemeDLL.h"
#include "core/XOvo.h"
#include "platform/gdi/gdi.h"
#include "platform/owl/TXOwl.h"
#include "platform/theme/ThemeLibrary.h"

namespace {

using OvoLinkingUtils::UxThemeDLL;

class UxTheme : public ::testing::Test {
protected:
    void SetUp() override {
        theme::ResetSwitches();
        UxThemeDLL::Unload();
    }
    void TearDown() override {
        UxThemeDLL::Unload();
        theme::ResetSwitches();
    }
};

TEST_F(UxTheme, EachEntryIsBoundOnItsFirstCallAndKept) {
    HTHEME button = UxThemeDLL::OpenThemeData(nullptr, u"Button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(UxThemeDLL::IsAppThemed(), TRUE);
    theme::CurrentSwitches().missingEntries.insert("CloseThemeData");
    EXPECT_THROW(UxThemeDLL::CloseThemeData(button), OWL::TXModuleProc) << "never bound before";
    theme::CurrentSwitches().missingEntries.insert("OpenThemeData");
    EXPECT_NE(UxThemeDLL::OpenThemeData(nullptr, u"Button"), nullptr)
        << "bound once, called straight through";
}

TEST_F(UxTheme, AMissingLibraryThrowsOnEveryCallUntilItCanBeHad) {
    theme::CurrentSwitches().libraryPresent = false;
    EXPECT_THROW(UxThemeDLL::OpenThemeData(nullptr, u"Button"), OWL::TXInvalidModule);
    EXPECT_THROW(UxThemeDLL::IsThemeActive(), OWL::TXInvalidModule);
    theme::CurrentSwitches().libraryPresent = true;
    EXPECT_EQ(UxThemeDLL::IsThemeActive(), TRUE);
}

TEST_F(UxTheme, BackgroundsAreDrawnWithoutAClipRectangle) {
    HTHEME button = UxThemeDLL::OpenThemeData(nullptr, u"Button");
    const RECT r{0, 0, 13, 13};
    EXPECT_EQ(UxThemeDLL::DrawThemeBackground(button, nullptr, BP_CHECKBOX, CBS_CHECKEDNORMAL, &r),
              E_INVALIDARG);
    EXPECT_EQ(theme::Calls().back().entry, "DrawThemeBackground");
    EXPECT_EQ(theme::Calls().back().state, CBS_CHECKEDNORMAL);
    EXPECT_EQ(UxThemeDLL::CloseThemeData(button), S_OK);
}

std::string MessageOf(const XOvo& e) {
    return e.Message().ToUtf8();
}

TEST_F(UxTheme, ThemeHandlesOpenOnDemandAndFailWithTheirOwnTexts) {
    ThemeHandle unknown(nullptr, u"NOSUCHCLASS");
    try {
        unknown.Get();
        ADD_FAILURE() << "an unknown class opens nothing";
    } catch (const XOvo& e) {
        EXPECT_EQ(MessageOf(e), "Could not open theme data for the given class: NOSUCHCLASS.");
        EXPECT_EQ(e.Code(), OVO_E_MESSAGE_ONLY);
    }
    ThemeHandle tip(nullptr, u"TOOLTIP");
    const HTHEME open = tip.Get();
    EXPECT_EQ(tip.Get(), open) << "kept";
    theme::CurrentSwitches().closeFails = true;
    EXPECT_THROW(tip.Close(), XOvo);
    EXPECT_FALSE(tip.IsOpen()) << "cleared even when the close fails";
    EXPECT_NO_THROW(tip.Close()) << "nothing to close";
}

TEST_F(UxTheme, FailingDrawingCallsThrowNamingTheEntry) {
    ThemeHandle tip(nullptr, u"TOOLTIP");
    RECT r{0, 0, 10, 10};
    SIZE size{};
    ThemePartRequest request;
    request.rect = &r;
    request.theme = &tip;
    request.part = TTP_CLOSE;
    request.size = &size;
    EXPECT_EQ(ThemeGetPartSize(request), S_OK);
    EXPECT_EQ(size.cx, 16);
    theme::CurrentSwitches().failures["GetThemePartSize"] = E_FAIL;
    try {
        ThemeGetPartSize(request);
        ADD_FAILURE();
    } catch (const XOvo& e) {
        EXPECT_EQ(MessageOf(e), "Error calling UxThemeDLL::GetThemePartSize().");
    }
    EXPECT_THROW(ThemeDrawBackground(request), XOvo) << "no device context";
}

TEST_F(UxTheme, ThemingNeedsNtOfVersionFivePointOneOrSixAndUpAndTheApplicationThemed) {
    struct Case {
        DWORD platform, major, minor;
        bool themed, buffered;
    };
    const Case cases[] = {{2, 5, 0, false, false}, {2, 5, 1, true, false}, {2, 5, 2, false, false},
                          {2, 6, 0, true, true},   {2, 6, 1, true, true},  {1, 6, 1, false, false}};
    for (const Case& c : cases) {
        OSVERSIONINFOW v{};
        v.dwPlatformId = c.platform;
        v.dwMajorVersion = c.major;
        v.dwMinorVersion = c.minor;
        EXPECT_EQ(IsThemingAvailable(v), c.themed) << c.major << "." << c.minor;
        EXPECT_EQ(IsBufferedThemingAvailable(v), c.buffered) << c.major << "." << c.minor;
    }
    OSVERSIONINFOW six{};
    six.dwPlatformId = 2;
    six.dwMajorVersion = 6;
    theme::CurrentSwitches().appThemed = false;
    EXPECT_FALSE(IsThemingAvailable(six));
    theme::CurrentSwitches().appThemed = true;
    theme::CurrentSwitches().libraryPresent = false;
    UxThemeDLL::Unload();
    EXPECT_FALSE(IsThemingAvailable(six)) << "a library that cannot be had means no theming";
}

TEST_F(UxTheme, AThemedBalloonRegionFallsBackToA21PixelStem) {
    ThemeHandle tip(nullptr, u"TOOLTIP");
    theme::CurrentSwitches().failures["GetThemePartSize"] = E_FAIL;
    BalloonFrame frame;
    const BalloonRegionRequest request{nullptr, RECT{0, 0, 120, 80}, &tip, 0, POINT{90, 0}};
    HRGN region = CreateThemedBalloonRegion(request, frame);
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(frame.stem.right - frame.stem.left, 21);
    EXPECT_EQ(frame.stem.left, 90 - 21) << "quadrant 0 hangs the stem left of the anchor";
    EXPECT_EQ(frame.body.top, 21);
    EXPECT_EQ(StemState(0), 3);
    EXPECT_EQ(StemState(2), 6);
    EXPECT_EQ(StemState(7), -1);
    DeleteObject(region);
    theme::CurrentSwitches().failures["GetThemeBackgroundRegion"] = E_FAIL;
    EXPECT_THROW(CreateThemedBalloonRegion(request, frame), XOvo);
}

} // namespace
