#include "core/ResourceStrings.h"

#include <gtest/gtest.h>

#include "core/OFormatStringStream.h"
#include "core/SystemVersionInfo.h"

namespace {

using Ovo::LoadResString;
using Ovo::String;

const HMODULE kModule = reinterpret_cast<HMODULE>(std::uintptr_t{0x5000});
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT);

class ResourceStringsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const StringResource entries[] = {
            {15, kEnglish, u"fifteen"},         {16, kEnglish, u"sixteen"},
            {31, kEnglish, u"thirty-one"},      {32, kEnglish, u"thirty-two"},
            {120, kGerman, u"nur deutsch"},     {101, kEnglish, u"English"},
            {101, kGerman, u"Deutsch"},         {200, kEnglish, u"STREV and STREV on STREVFORWINDOWS (Ovo)"},
            {201, kEnglish, u"STREVSTREV"},     {300, kEnglish, u""},
            {301, kEnglish, u"%2 of %1 loops"},
        };
        RegisterStringTable(kModule, entries);
    }
    void TearDown() override {
        UnregisterResources(kModule);
        Ovo::SetApplicationLanguage(std::nullopt);
    }

    static String Load(UINT id, bool substitute = false) {
        String s(u"not loaded");
        LoadResString(s, kModule, id, substitute);
        return s;
    }
};

TEST_F(ResourceStringsTest, AFormatStreamTakesItsFormatFromTheStringTable) {
    Ovo::OFormatStringStream text(kModule, 301);
    text << L"12" << L"3";
    EXPECT_EQ(text.str(), String(u"3 of 12 loops"));
    Ovo::OFormatStringStream missing(kModule, 999);
    missing << L"x";
    EXPECT_TRUE(missing.str().IsEmpty());
}

TEST_F(ResourceStringsTest, EntriesAreFoundAcrossBlockBoundaries) {
    for (auto [id, text] : {std::pair{15u, u"fifteen"}, std::pair{16u, u"sixteen"},
                            std::pair{31u, u"thirty-one"}, std::pair{32u, u"thirty-two"}})
        EXPECT_EQ(Load(id), String(text)) << id;
    // 15 closes block 1; 16 and 31 open and close block 2.
    EXPECT_NE(FindResourceW(kModule, MAKEINTRESOURCEW(1), RT_STRING), nullptr);
    EXPECT_NE(FindResourceW(kModule, MAKEINTRESOURCEW(2), RT_STRING), nullptr);
    EXPECT_EQ(
        Ovo::FindResourceStringInBlock(16, kModule, FindResourceW(kModule, MAKEINTRESOURCEW(2), RT_STRING)),
        Ovo::FindResourceStringInBlock(0, kModule, FindResourceW(kModule, MAKEINTRESOURCEW(2), RT_STRING)));
}

TEST_F(ResourceStringsTest, MissingEmptyAndZeroIdsGiveTheEmptyString) {
    for (UINT id : {0u, 14u, 300u, 4000u})
        EXPECT_TRUE(Load(id).IsEmpty()) << id;
    EXPECT_TRUE(Ovo::LoadStringResource(15, reinterpret_cast<HMODULE>(std::uintptr_t{0x6000})).IsEmpty());
}

TEST_F(ResourceStringsTest, ApplicationLanguageComesFirstThenAnyLanguage) {
    EXPECT_EQ(Load(101), String(u"English")); // no application: any language, English preferred
    Ovo::SetApplicationLanguage(kGerman);
    EXPECT_EQ(Load(101), String(u"Deutsch"));
    EXPECT_EQ(Load(15), String(u"fifteen")); // not in German: found by the second lookup
    Ovo::SetApplicationLanguage(kEnglish);
    EXPECT_EQ(Load(120), String(u"nur deutsch")); // its block exists only in German
}

TEST_F(ResourceStringsTest, SubstitutionReplacesEveryPlaceholderInTableOrder) {
    EXPECT_EQ(Load(200, false), String(u"STREV and STREV on STREVFORWINDOWS (Ovo)"));
    EXPECT_EQ(Load(200, true), String(u"Vantrel and Vantrel on Vantrel (Velmora)"));
    EXPECT_EQ(Load(201, true), String(u"VantrelVantrel"));
}

TEST_F(ResourceStringsTest, AnEntryRunningPastItsBlockGivesNothing) {
    const HMODULE broken = reinterpret_cast<HMODULE>(std::uintptr_t{0x7000});
    // Block 1: entry 0 empty, entry 1 claims 50 units but holds 2.
    std::vector<BYTE> block = {0, 0, 50, 0, 'h', 0, 'i', 0};
    RegisterResource(broken, RT_STRING, MAKEINTRESOURCEW(1), kEnglish, block);
    String s;
    LoadResString(s, broken, 1, false);
    EXPECT_TRUE(s.IsEmpty());
    LoadResString(s, broken, 5, false);
    EXPECT_TRUE(s.IsEmpty());
    UnregisterResources(broken);
}

TEST(SystemVersionInfo, IsQueriedThroughTheShortVersionRecord) {
    const Ovo::SystemVersionInfo& info = Ovo::GetSystemVersionInfo();
    EXPECT_EQ(&info, &Ovo::GetSystemVersionInfo());
    EXPECT_EQ(info.version.dwOSVersionInfoSize, 276u);
    EXPECT_EQ(info.version.dwMajorVersion, 6u);
    EXPECT_EQ(info.version.dwMinorVersion, 1u);
    EXPECT_EQ(info.version.dwPlatformId, 2u);
    EXPECT_EQ(info.version.wServicePackMajor, 0); // the extended fields are not filled
    EXPECT_EQ(info.allocationMask, 0xFFFF0000u);
}

} // namespace
