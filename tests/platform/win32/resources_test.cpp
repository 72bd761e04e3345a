#include "platform/win32/resources.h"
#include "platform/win32/version.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

const HMODULE kModule = reinterpret_cast<HMODULE>(std::uintptr_t{0x9000});
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT);

class ResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { UnregisterResources(kModule); }

    static std::string Bytes(HRSRC r) {
        const auto* p = static_cast<const char*>(LockResource(LoadResource(kModule, r)));
        return p == nullptr ? "<none>" : std::string(p, SizeofResource(kModule, r));
    }
};

TEST_F(ResourcesTest, ExactLanguageOrAnyWithNeutralThenEnglishFirst) {
    RegisterResource(kModule, RT_STRING, MAKEINTRESOURCEW(3), kGerman, {'d', 'e'});
    EXPECT_EQ(Bytes(FindResourceW(kModule, MAKEINTRESOURCEW(3), RT_STRING)), "de");
    RegisterResource(kModule, RT_STRING, MAKEINTRESOURCEW(3), kEnglish, {'e', 'n'});
    EXPECT_EQ(Bytes(FindResourceW(kModule, MAKEINTRESOURCEW(3), RT_STRING)), "en");
    RegisterResource(kModule, RT_STRING, MAKEINTRESOURCEW(3), 0, {'n', 't'});
    EXPECT_EQ(Bytes(FindResourceW(kModule, MAKEINTRESOURCEW(3), RT_STRING)), "nt");
    EXPECT_EQ(Bytes(FindResourceExW(kModule, RT_STRING, MAKEINTRESOURCEW(3), kGerman)), "de");
    EXPECT_EQ(FindResourceExW(kModule, RT_STRING, MAKEINTRESOURCEW(3), MAKELANGID(0x0C, 1)), nullptr);
    EXPECT_EQ(FindResourceW(kModule, MAKEINTRESOURCEW(4), RT_STRING), nullptr);
    EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(3), RT_STRING), nullptr); // another module
}

TEST_F(ResourcesTest, NamedResourcesIgnoreAsciiCase) {
    RegisterResource(kModule, u"PNG", u"Logo", 0, {1, 2, 3});
    EXPECT_EQ(SizeofResource(kModule, FindResourceW(kModule, u"LOGO", u"png")), 3u);
    EXPECT_EQ(FindResourceW(kModule, u"LOGO", RT_STRING), nullptr);
}

TEST_F(ResourcesTest, StringBlocksHoldSixteenCountedStrings) {
    const StringResource entries[] = {{16, kEnglish, u"a"}, {18, kEnglish, u"bc"}, {31, kEnglish, u"d"}};
    RegisterStringTable(kModule, entries);
    std::string expected;
    for (int i = 0; i < 16; ++i) {
        const std::u16string text = i == 0 ? u"a" : i == 2 ? u"bc" : i == 15 ? u"d" : u"";
        expected.push_back(static_cast<char>(text.size()));
        expected.push_back('\0');
        for (char16_t c : text) {
            expected.push_back(static_cast<char>(c));
            expected.push_back('\0');
        }
    }
    EXPECT_EQ(Bytes(FindResourceExW(kModule, RT_STRING, MAKEINTRESOURCEW(2), kEnglish)), expected);
    EXPECT_EQ(FindResourceW(kModule, MAKEINTRESOURCEW(1), RT_STRING), nullptr);
    EXPECT_EQ(FindResourceW(kModule, MAKEINTRESOURCEW(3), RT_STRING), nullptr);
}

TEST_F(ResourcesTest, VersionValuesAreQueriedByPath) {
    VersionInfo info{};
    info.fixed.dwSignature = VS_FFI_SIGNATURE;
    info.fixed.dwFileVersionLS = 0x00030400;
    info.language = kEnglish;
    info.codePage = 1200;
    info.strings = {{u"FileVersion", u"2.0"}, {u"ExtensionType", u"Module"}};
    RegisterVersionResource(kModule, info);
    const void* block =
        LockResource(LoadResource(kModule, FindResourceW(kModule, MAKEINTRESOURCEW(1), RT_VERSION)));
    ASSERT_NE(block, nullptr);

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block, u"\\", &value, &length));
    EXPECT_EQ(length, 52u);
    EXPECT_EQ(static_cast<VS_FIXEDFILEINFO*>(value)->dwFileVersionLS, 0x00030400u);
    ASSERT_TRUE(VerQueryValueW(block, u"\\VarFileInfo\\Translation", &value, &length));
    DWORD translation;
    std::memcpy(&translation, value, 4);
    EXPECT_EQ(translation, 0x04B00409u);
    ASSERT_TRUE(VerQueryValueW(block, u"\\StringFileInfo\\040904b0\\extensiontype", &value, &length));
    EXPECT_EQ(std::u16string(static_cast<const char16_t*>(value)), u"Module");
    EXPECT_EQ(length, 7u);
    EXPECT_FALSE(VerQueryValueW(block, u"\\StringFileInfo\\040704B0\\FileVersion", &value, &length));
    EXPECT_FALSE(VerQueryValueW(block, u"\\StringFileInfo\\040904B0\\Missing", &value, &length));
}

} // namespace
