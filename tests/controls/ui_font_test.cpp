#include <gtest/gtest.h>

#include "controls/UiFont.h"
#include "platform/gdi/bridge.h"
#include "platform/owl/TApplication.h"

namespace {

LOGFONTW Asked(HDC dc, bool bold, bool underline) {
    LOGFONTW f{};
    EXPECT_TRUE(GetUiFontPointSize(dc, bold, underline)->GetObject(f));
    return f;
}

TEST(UiFont, TenPointsOfTheDialogFaceAtTheScreensResolution) {
    const LOGFONTW regular = Asked(nullptr, false, false);
    EXPECT_EQ(std::u16string(regular.lfFaceName), u"MS Shell Dlg 2");
    EXPECT_EQ(regular.lfHeight, 13) << "MulDiv(10, 96, 72)";
    EXPECT_EQ(regular.lfWeight, FW_NORMAL);
    EXPECT_EQ(regular.lfUnderline, 0);
    EXPECT_EQ(regular.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(regular.lfOutPrecision, 0);
    EXPECT_EQ(regular.lfPitchAndFamily, VARIABLE_PITCH | FF_SWISS);
    const LOGFONTW marked = Asked(nullptr, true, true);
    EXPECT_EQ(marked.lfWeight, FW_BOLD);
    EXPECT_EQ(marked.lfUnderline, 1);
}

TEST(UiFont, ChineseAndJapaneseTakeTwelvePoints) {
    for (LANGID language : {LANGID{0x0804}, LANGID{0x0411}, LANGID{0x0407}}) {
        OWL::TApplication::Current().SetLangId(language);
        EXPECT_EQ(Asked(nullptr, false, false).lfHeight, language == 0x0407 ? 13 : 16) << language;
    }
    OWL::TApplication::Current().SetLangId(0x0409);
}

TEST(UiFont, APrinterGetsTrueTypeOnlyAtItsOwnResolution) {
    gdi::DeviceCaps printer;
    printer.technology = DT_RASPRINTER;
    printer.logPixelsY = 600;
    HDC dc = gdi::CreateSurfaceDC({nullptr, {}, std::nullopt, printer, nullptr});
    const LOGFONTW f = Asked(dc, false, false);
    EXPECT_EQ(f.lfHeight, 83) << "MulDiv(10, 600, 72)";
    EXPECT_EQ(f.lfOutPrecision, 7);
    DeleteDC(dc);
}

} // namespace
