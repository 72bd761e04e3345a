#include "platform/win32/locale.h"

#include <string>

#include <gtest/gtest.h>

namespace {

class UserLocaleTest : public ::testing::Test {
protected:
    void TearDown() override { SetUserLocale(UserLocale{}); }
};

std::u16string Read(LCTYPE type) {
    WCHAR buf[32];
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 32);
    return n > 0 ? std::u16string(buf, static_cast<std::size_t>(n - 1)) : u"<failed>";
}

TEST_F(UserLocaleTest, AnswersEveryTypeFromTheRecord) {
    UserLocale german;
    german.decimal = u",";
    german.thousand = u".";
    german.list = u";";
    german.date = u".";
    german.shortDate = u"dd.MM.yyyy";
    german.timeMode = u"1";
    SetUserLocale(german);
    EXPECT_EQ(Read(LOCALE_SDECIMAL), u",");
    EXPECT_EQ(Read(LOCALE_STHOUSAND), u".");
    EXPECT_EQ(Read(LOCALE_SLIST), u";");
    EXPECT_EQ(Read(LOCALE_SDATE), u".");
    EXPECT_EQ(Read(LOCALE_STIME), u":");
    EXPECT_EQ(Read(LOCALE_SSHORTDATE), u"dd.MM.yyyy");
    EXPECT_EQ(Read(LOCALE_SLONGDATE), u"dddd, MMMM d, yyyy");
    EXPECT_EQ(Read(LOCALE_STIMEFORMAT), u"h:mm:ss tt");
    EXPECT_EQ(Read(LOCALE_ITIME), u"1");
    EXPECT_EQ(Read(LOCALE_ITIMEMARKPOSN), u"0");
    EXPECT_EQ(Read(LOCALE_IDEFAULTCODEPAGE), u"437");
    EXPECT_EQ(Read(LOCALE_S1159), u"AM");
    EXPECT_EQ(Read(LOCALE_S2359), u"PM");
}

TEST_F(UserLocaleTest, SizeQueriesShortBuffersAndFailures) {
    EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S1159, nullptr, 0), 3);
    WCHAR two[2];
    EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S1159, two, 2), 0);
    EXPECT_EQ(GetLocaleInfoW(1033, LOCALE_SDECIMAL, two, 2), 0); // only the user default locale
    EXPECT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, 0x7777, two, 2), 0);

    UserLocale broken;
    broken.unavailable = {LOCALE_SLIST};
    SetUserLocale(broken);
    EXPECT_EQ(Read(LOCALE_SLIST), u"<failed>");
    EXPECT_EQ(Read(LOCALE_SDECIMAL), u".");
}

TEST_F(UserLocaleTest, NarrowFormUsesTheAnsiCodePage) {
    UserLocale austrian;
    austrian.am = u"vorm\u00E4";
    SetUserLocale(austrian);
    char buf[16];
    ASSERT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_S1159, buf, 16), 6);
    EXPECT_STREQ(buf, "vorm\xE4");
    EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_S1159, buf, 5), 0);
}

} // namespace
