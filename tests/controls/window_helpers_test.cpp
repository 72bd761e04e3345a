#include <gtest/gtest.h>

#include "controls/AnsiToWide.h"
#include "controls/ModuleRelativePath.h"
#include "controls/PreviewColours.h"
#include "controls/TimeEpochs.h"
#include "platform/win32/modules.h"

namespace {

using namespace Tarvik;

TEST(PreviewColours, WithoutAnOwnerTheColourWrapsAroundThePaletteInUse) {
    // The test screen has 32 bits per pixel: palette 1's first 20 entries.
    EXPECT_EQ(GetPreviewColour(nullptr, 0), 0x0000FFu);
    EXPECT_EQ(GetPreviewColour(nullptr, 19), 0xC08080u);
    EXPECT_EQ(GetPreviewColour(nullptr, 20), 0x0000FFu);
    EXPECT_EQ(GetPreviewColour(nullptr, 41), 0xFF0000u);
    EXPECT_EQ(GetPreviewColour(nullptr, -1), 0xC08080u);
}

TEST(PreviewColours, AnOwnerAnswersItself) {
    struct Owner : PreviewColourOwner {
        void PreviewColour(int index, COLORREF& colour) override {
            colour = 0x010101u * static_cast<COLORREF>(index);
        }
    } owner;
    EXPECT_EQ(GetPreviewColour(&owner, 3), 0x030303u);
}

TEST(PreviewColours, ThePaletteFollowsTheScreenDepthAndTheMode) {
    const PaletteChoice shallow = ChoosePreviewPalette(true, 8);
    EXPECT_EQ(shallow.count, 12);
    EXPECT_EQ(shallow.first[11], 0xFFFF00u);
    EXPECT_EQ(ChoosePreviewPalette(false, 32).count, 20);
    const PaletteChoice deep = ChoosePreviewPalette(true, 32);
    EXPECT_EQ(deep.count, 19);
    EXPECT_EQ(deep.first[0], 0xFF55EAu) << "palette 2 from its 19th entry";
    EXPECT_EQ(deep.first[18], 0x555555u);
}

TEST(PreviewColours, PalettesThreeAndFourVaryPaletteTwo) {
    EXPECT_EQ(PreviewPalette2()[17], 0x000000u);
    EXPECT_EQ(PreviewPalette3()[17], 0x343434u);
    EXPECT_EQ(PreviewPalette4()[0], 0x3535FFu);
    EXPECT_EQ(PreviewPalette4()[17], 0xFFFFFFu);
    for (std::size_t i = 18; i < 37; ++i)
        EXPECT_EQ(PreviewPalette4()[i], PreviewPalette2()[i]) << i;
}

TEST(TimeEpochs, TheEpochsAndTheirDistances) {
    const TimeEpochs& e = GetTimeEpochs();
    EXPECT_EQ(e.oleToUnixSeconds, 2209161600.0);
    EXPECT_EQ(e.mac1904ToUnixSeconds, 2082844800.0);
    EXPECT_EQ(e.unixJulianDay, 2440588);
    EXPECT_EQ(e.oleJulianDay, 2415019);
    EXPECT_EQ(e.unixJulianDay - e.oleJulianDay, 25569); // days from 1899-12-30 to 1970-01-01
    EXPECT_EQ(e.unixEpoch.dwHighDateTime, 0x019DB1DEu);
    EXPECT_EQ(e.unixEpoch.dwLowDateTime, 0xD53E8000u);
}

TEST(AnsiToWide, ConvertsThroughTheCodePage) {
    EXPECT_EQ(AnsiToWide("\x80 5\xB5m").ToU16String(), u"\u20AC 5\u00B5m");
    EXPECT_TRUE(AnsiToWide(nullptr).IsEmpty());
    EXPECT_TRUE(AnsiToWide("").IsEmpty());
}

TEST(ModuleRelativePath, JoinsTheExecutablesFolderWithTheName) {
    win32::SetExecutablePath(u"C:\\Apps\\Vantrel\\Vantrel.exe");
    EXPECT_EQ(GetModuleRelativePath(Ovo::String(u"Zar.dll")).ToU16String(), u"C:\\Apps\\Vantrel\\Zar.dll");
    win32::SetExecutablePath(u"/opt/vantrel/vantrel");
    EXPECT_EQ(GetModuleRelativePath(Ovo::String(u"Help\\Tarvik.chm")).ToU16String(),
              u"/opt/vantrel/Help\\Tarvik.chm");
    EXPECT_TRUE(GetModuleRelativePath(Ovo::String(std::u16string(300, u'x'))).IsEmpty());
    win32::SetExecutablePath(u"");
}

} // namespace
