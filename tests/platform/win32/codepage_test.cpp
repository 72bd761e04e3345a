#include "platform/win32/codepage.h"

#include <string>

#include <gtest/gtest.h>

namespace {

std::u16string ToWide(const std::string& bytes, UINT cp = CP_ACP) {
    std::u16string out(bytes.size(), u'\0');
    const int n = MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(),
                                      static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string ToNarrow(const std::u16string& text, BOOL* usedDefault = nullptr) {
    std::string out(text.size() * 2 + 1, '\0');
    const int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      out.data(), static_cast<int>(out.size()), nullptr, usedDefault);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

TEST(CodePage, IsWindows1252) {
    EXPECT_EQ(GetACP(), 1252u);
    struct Case {
        unsigned char byte;
        char16_t unit;
    };
    for (Case c :
         {Case{0x41, u'A'}, Case{0x80, u'\u20AC'}, Case{0x81, u'\u0081'}, Case{0x8A, u'\u0160'},
          Case{0x9F, u'\u0178'}, Case{0xA0, u'\u00A0'}, Case{0xB5, u'\u00B5'}, Case{0xE9, u'\u00E9'}}) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(ToWide(byte), std::u16string(1, c.unit)) << int(c.byte);
        EXPECT_EQ(ToNarrow(std::u16string(1, c.unit)), byte) << int(c.byte);
    }
}

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    BOOL lossy = TRUE;
    EXPECT_EQ(ToNarrow(ToWide(all), &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks) {
    BOOL lossy = FALSE;
    EXPECT_EQ(ToNarrow(u"a\u4E2Db\U0001F600c", &lossy), "a?b?c"); // a surrogate pair is one character
    EXPECT_TRUE(lossy);
    char out[4] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u4E2D", 1, out, 4, "#", nullptr), 1);
    EXPECT_EQ(out[0], '#');
}

TEST(CodePage, SizesTerminatorsAndRefusals) {
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0), 4); // size query counts the NUL
    char16_t wide[4];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 4), 4);
    EXPECT_EQ(wide[3], u'\0');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 3), 0); // too small
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"abc", -1, nullptr, 0, nullptr, nullptr), 4);
    char narrow[2];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"abc", 3, narrow, 2, nullptr, nullptr), 0);
    EXPECT_EQ(MultiByteToWideChar(65001, 0, "abc", 3, wide, 4), 0); // only the one 8-bit code page
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 0, wide, 4), 0);
}

} // namespace
