#include <gtest/gtest.h>

#include "controls/UxThemeDLL.h"
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

} // namespace
