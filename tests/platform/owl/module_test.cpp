#include <gtest/gtest.h>

#include "platform/owl/TDC.h"
#include "platform/owl/TModuleProc.h"
#include "platform/theme/ThemeLibrary.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

class Module : public ::testing::Test {
protected:
    void SetUp() override { theme::ResetSwitches(); }
    void TearDown() override { theme::ResetSwitches(); }
};

TEST_F(Module, TheThemeLibraryLoadsByNameAndBindsItsEntries) {
    OWL::TModule uxtheme(u"uxtheme.dll", true, true, false);
    EXPECT_TRUE(uxtheme.IsLoaded());
    EXPECT_NE(uxtheme.GetHandle(), nullptr);
    OWL::TModuleProcX<BOOL> isAppThemed(uxtheme, "IsAppThemed");
    EXPECT_EQ(isAppThemed(), TRUE);
    EXPECT_THROW(OWL::TModuleProc(uxtheme, "NoSuchEntry"), OWL::TXModuleProc);
}

TEST_F(Module, AMissingLibraryThrowsOnlyWhenItMustLoad) {
    theme::CurrentSwitches().libraryPresent = false;
    EXPECT_THROW(OWL::TModule(u"uxtheme.dll", true, true, false), OWL::TXInvalidModule);
    OWL::TModule optional(u"uxtheme.dll", true, false, false);
    EXPECT_FALSE(optional.IsLoaded());
    EXPECT_THROW(OWL::TModuleProc(optional, "OpenThemeData"), OWL::TXModuleProc);
    EXPECT_THROW(OWL::TModule(u"unknown.dll", true), OWL::TXInvalidModule);
}

TEST_F(Module, AMissingEntryThrowsWhenBound) {
    theme::CurrentSwitches().missingEntries.insert("DrawThemeBackground");
    OWL::TModule uxtheme(u"uxtheme.dll", true);
    EXPECT_THROW(OWL::TModuleProc(uxtheme, "DrawThemeBackground"), OWL::TXModuleProc);
    EXPECT_NO_THROW(OWL::TModuleProc(uxtheme, "OpenThemeData"));
}

TEST(DeviceContext, ObjectsSelectedThroughATDCAreSelectedOutWhenItGoes) {
    gdi_test::Canvas canvas(4, 4);
    const HGDIOBJ originalPen = GetStockObject(BLACK_PEN);
    OWL::TPen pen(OWL::TColor::LtGray);
    {
        OWL::TDC dc(canvas.dc());
        dc.SelectObject(pen);
        dc.MoveTo(0, 1);
        dc.LineTo(4, 1);
    }
    EXPECT_EQ(canvas.At(0, 1), RGB(192, 192, 192));
    EXPECT_EQ(SelectObject(canvas.dc(), originalPen), originalPen);
}

TEST(Colour, SystemColoursResolveWhenUsed) {
    const OWL::TColor window = OWL::TColor::SysWindow;
    EXPECT_TRUE(window.IsSysColor());
    EXPECT_EQ(window.GetValue(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(static_cast<COLORREF>(OWL::TColor::LtGray), RGB(192, 192, 192));
}

} // namespace
