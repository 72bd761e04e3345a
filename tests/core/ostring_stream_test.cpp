#include "core/OStringStream.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <locale>

namespace {

TEST(OStringStream, StrSyncsAndWritingResumesAfterTheText) {
    Ovo::OStringStream out;
    EXPECT_TRUE(out.str().IsEmpty());
    out << L"abc" << 12;
    const Ovo::String first = out.str();
    EXPECT_EQ(first.ToU16String(), u"abc12");
    EXPECT_EQ(out.str(), first);
    out << L'd';
    EXPECT_EQ(out.str().ToU16String(), u"abc12d");
    EXPECT_EQ(first.ToU16String(), u"abc12"); // a text already taken is not changed
}

TEST(OStringStream, KeepsEveryCharacterBeyondTheFirstCapacity) {
    Ovo::OStringStream out;
    std::wstring expected;
    for (int i = 0; i < 5000; ++i) {
        out << static_cast<wchar_t>(L'a' + i % 26);
        expected += static_cast<wchar_t>(L'a' + i % 26);
        if (i == 7 || i == 100)
            out.str(); // syncs in between must not lose or repeat anything
    }
    EXPECT_EQ(out.str().ToWString(), expected);
}

TEST(OStringStream, SeekingBackShortensTheTextAtTheNextSync) {
    Ovo::OStringStream out;
    out << L"12.";
    out.str();
    out.seekp(-1, std::ios_base::cur);
    EXPECT_EQ(out.str().ToU16String(), u"12");
    out << L"5";
    EXPECT_EQ(out.str().ToU16String(), u"125");
    out.seekp(10);
    EXPECT_TRUE(out.fail()); // beyond the written text
}

TEST(OStringStream, CarriesCharactersBeyondTheBasicPlaneAsSurrogatePairs) {
    Ovo::OStringStream out;
    out << L"x\U0001F600";
    EXPECT_EQ(out.str().ToU16String(), u"x\U0001F600");
    EXPECT_EQ(out.str().Length(), 3);
}

TEST(OStringStream, NumbersFollowTheImbuedLocale) {
    Ovo::OStringStream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(1) << 1234567.5;
    EXPECT_EQ(out.str().ToU16String(), u"1234567.5");
}

} // namespace
