#include "core/String.h"

#include <functional>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Ovo::String;

// The reference count of the string's representation.
ULONG RefCount(const String& s) {
    return s.GetInterface()->Release();
}

bool Shared(const String& s) {
    return RefCount(s) > 1;
}

TEST(String, EveryEmptyStringSharesOneRepresentation) {
    const String reference;
    const std::vector<String> empties = {String(u""),
                                         String(static_cast<const WCHAR*>(nullptr)),
                                         String(u"abc", 0),
                                         String(""),
                                         String(static_cast<const char*>(nullptr)),
                                         String(L""),
                                         String(std::wstring()),
                                         String(std::u16string()),
                                         String(reference)};
    for (const String& s : empties) {
        EXPECT_EQ(s.c_str(), reference.c_str());
        EXPECT_EQ(s.Length(), 0);
        EXPECT_TRUE(Shared(s));
    }
}

TEST(String, CountedConstructorStopsAtNulAndRejectsNegativeCounts) {
    EXPECT_EQ(String(u"abcdef", 3), String(u"abc"));
    EXPECT_EQ(String(u"ab\0cd", 5), String(u"ab"));
    EXPECT_EQ(String(L"xyz", 2), String(u"xy"));
    try {
        String s(u"abc", -1);
        FAIL() << "no exception";
    } catch (const std::bad_alloc& e) {
        EXPECT_STREQ(e.what(), "Ovo::String size too big");
    }
}

TEST(String, ChangingACopyLeavesTheOtherHandleAlone) {
    const std::vector<std::pair<const char*, std::function<void(String&)>>> changes = {
        {"append", [](String& s) { s += u" world"; }},
        {"append char", [](String& s) { s += u'!'; }},
        {"assign char", [](String& s) { s.AssignChar(u'x'); }},
        {"replace", [](String& s) { s.Replace(1, 2, String(u"EE")); }},
        {"erase", [](String& s) { s.Erase(0, 2); }},
        {"resize", [](String& s) { s.Resize(2); }},
        {"semicolons", [](String& s) { s.SemicolonsToCommas(); }},
        {"clear", [](String& s) { s.Clear(); }},
        {"prepare buffer", [](String& s) { s.PrepareBuffer(20)[0] = u'z'; }},
    };
    for (const auto& [name, change] : changes) {
        const String original(u"hel;lo");
        String copy = original;
        ASSERT_EQ(copy.c_str(), original.c_str());
        change(copy);
        EXPECT_EQ(original, String(u"hel;lo")) << name;
        EXPECT_NE(copy.c_str(), original.c_str()) << name;
        EXPECT_FALSE(Shared(original)) << name;
    }
}

TEST(String, AppendGrowsByHalfAgainAndReplaceGrowsExactly) {
    String s(u"abc");
    EXPECT_EQ(s.Capacity(), 8);
    s += u"0123456789"; // needs 14 units
    EXPECT_EQ(s, String(u"abc0123456789"));
    EXPECT_EQ(s.Capacity(), 21);
    s += s; // appending itself
    EXPECT_EQ(s, String(u"abc0123456789abc0123456789"));

    String r(u"abcdef");
    r.Replace(1, 1, String(u"0123456"));
    EXPECT_EQ(r, String(u"a0123456cdef"));
    EXPECT_EQ(r.Capacity(), 13);
}

TEST(String, SubstringsAndEdits) {
    const String s(u"abcdef");
    EXPECT_EQ(s.Mid(6, 1), String());
    EXPECT_EQ(s.Mid(2, 100), String(u"cdef"));
    EXPECT_EQ(s.Mid(1, 2), String(u"bc"));

    struct Edit {
        int position, count;
        const char16_t* insert;
        const char16_t* expected;
    };
    for (const Edit& e : {Edit{6, 3, u"XY", u"abcdefXY"}, Edit{2, 2, u"", u"abef"},
                          Edit{4, 99, u"Z", u"abcdZ"}, Edit{0, 0, u"<", u"<abcdef"}}) {
        String t = s;
        t.Replace(e.position, e.count, String(e.insert));
        EXPECT_EQ(t, String(e.expected)) << e.position;
    }

    struct Erase {
        int first, last;
        const char16_t* expected;
    };
    for (const Erase& e :
         {Erase{1, 3, u"adef"}, Erase{4, 10, u"abcd"}, Erase{3, 3, u"abcdef"}, Erase{4, 2, u"abcdef"}}) {
        String t = s;
        t.Erase(e.first, e.last);
        EXPECT_EQ(t, String(e.expected)) << e.first << "," << e.last;
    }

    String z(u"ab");
    z.Resize(4);
    EXPECT_EQ(z.Length(), 4);
    EXPECT_EQ(z[2], u'\0');
    EXPECT_EQ(z[3], u'\0');
    z.Resize(1);
    EXPECT_EQ(z, String(u"a"));
}

TEST(String, FindFirstAndLastOf) {
    const String s(u"a,b;c");
    const String set(u",;");
    EXPECT_EQ(s.FindFirstOf(set, 0), 1);
    EXPECT_EQ(s.FindFirstOf(set, 2), 3);
    EXPECT_EQ(s.FindFirstOf(set, 5), -1);
    EXPECT_EQ(s.FindLastOf(set, 100), 3); // past the end searches from the last character
    EXPECT_EQ(s.FindLastOf(set, 2), 1);
    EXPECT_EQ(s.FindLastOf(String(u"x"), 4), -1);
    EXPECT_EQ(String().FindLastOf(set, 0), -1);
}

TEST(String, AttachBstrKeepsAFinalNulAsTheTerminator) {
    String a;
    a.AttachBSTR(SysAllocStringLen(u"ab\0", 3));
    EXPECT_EQ(a, String(u"ab"));
    String b;
    b.AttachBSTR(SysAllocStringLen(u"ab", 2));
    EXPECT_EQ(b, String(u"ab"));
    b.AttachBSTR(nullptr);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(String().AllocBSTR(), nullptr);
}

TEST(String, OrderingAndCaseInsensitiveEquality) {
    EXPECT_TRUE(String(u"ab") < String(u"abc"));
    EXPECT_FALSE(String(u"abc") < String(u"ab"));
    EXPECT_TRUE(String(u"z") < String(u"\u00E9")); // ordinal by code units
    EXPECT_TRUE(String(u"Volume").EqualsNoCase(String(u"vOLUME")));
    EXPECT_FALSE(String(u"Volume").EqualsNoCase(String(u"Volumes")));
}

TEST(String, TrimRightRemovesSpacesAndBlanksOnly) {
    String s(u"ab \t\n ");
    s.TrimRight();
    EXPECT_EQ(s, String(u"ab"));
    std::vector<String> all = {String(u"x  "), String(u" y"), String(u"   ")};
    Ovo::TrimRightAll(all);
    EXPECT_EQ(all[0], String(u"x"));
    EXPECT_EQ(all[1], String(u" y"));
    EXPECT_TRUE(all[2].IsEmpty());
}

TEST(String, DirectBufferWrites) {
    String s(u"old text");
    WCHAR* buf = s.PrepareBuffer(3);
    EXPECT_TRUE(s.IsEmpty());
    buf[0] = u'n';
    buf[1] = u'e';
    buf[2] = u'w';
    buf[3] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ(s, String(u"new"));

    String full;
    buf = full.PrepareBuffer(7); // capacity 8, written without a terminator
    for (int i = 0; i < 8; ++i)
        buf[i] = u'x';
    full.ReleaseBuffer();
    EXPECT_EQ(full, String(u"xxxxxxx"));
}

TEST(String, ReserveNeverDropsText) {
    String s(u"0123456789");
    s.Reserve(4);
    EXPECT_EQ(s, String(u"0123456789"));
    s.Reserve(40);
    EXPECT_EQ(s.Capacity(), 40);
    EXPECT_EQ(s, String(u"0123456789"));
}

TEST(String, NarrowCopyFollowsChanges) {
    String s(u"\u00E9\u20AC");
    EXPECT_STREQ(s.Narrow(), "\xE9\x80");
    s += u'\u4E2D';
    EXPECT_STREQ(s.Narrow(), "\xE9\x80?");
    EXPECT_EQ(String("\xE9\x80"), String(u"\u00E9\u20AC"));
}

TEST(String, ConvertsToAndFromUtf8AndUtf32) {
    const String s(u"P \u00B5mmHg \U0001F600");
    EXPECT_EQ(s.Length(), 10); // the emoji is a surrogate pair
    EXPECT_EQ(s.ToUtf8(), "P \xC2\xB5mmHg \xF0\x9F\x98\x80");
    EXPECT_EQ(String::FromUtf8(s.ToUtf8()), s);
    EXPECT_EQ(s.ToWString(), L"P \u00B5mmHg \U0001F600");
    EXPECT_EQ(String(s.ToWString()), s);
    EXPECT_EQ(String::FromUtf8("a\xFF"
                               "b\xE2\x82"),
              String(u"a\uFFFDb\uFFFD\uFFFD"));
    EXPECT_EQ(String(u"\xD800x").ToUtf8(), "\xEF\xBF\xBDx");
}

TEST(String, ReadsBlankDelimitedWords) {
    std::wistringstream in(L"  alpha\tbeta-gamma ");
    String word;
    ReadOvoStringWord(in, word);
    EXPECT_EQ(word, String(u"alpha"));
    ReadOvoStringWord(in, word);
    EXPECT_EQ(word, String(u"beta-gamma"));
    ReadOvoStringWord(in, word);
    EXPECT_TRUE(word.IsEmpty());
    EXPECT_TRUE(in.fail());
}

} // namespace
