#include "platform/win32/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace win32 {
namespace {

// Well-formed text of one to four UTF-8 bytes per code point reads the same both ways.
TEST(Utf, ConvertsWellFormedTextBothWays) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"mmHg", u"mmHg"},
        {"\xC2\xB5L", u"\u00B5L"},
        {"\xE2\x82\xAC 5", u"\u20AC 5"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

// A malformed UTF-8 sequence gives one U+FFFD per byte it skips; an unpaired surrogate gives U+FFFD.
TEST(Utf, IllFormedTextGivesTheReplacementCharacter) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xDC00')), "\xEF\xBF\xBD");
}

} // namespace
} // namespace win32
