#include "core/LocaleInfo.h"

#include <gtest/gtest.h>

#include <clocale>
#include <iomanip>
#include <sstream>

#include "core/ClassicStream.h"
#include "core/NumericHelpers.h"
#include "core/OStringStream.h"
#include "core/ResourceStrings.h"
#include "core/time_getEx.h"
#include "platform/user/Desktop.h"
#include "platform/user/msgbox_api.h"
#include "platform/win32/locale.h"
#include "resources/HostResources.h"

namespace {

UserLocale Regional(std::u16string decimal, std::u16string thousands, std::u16string list = u";") {
    UserLocale locale;
    locale.decimal = std::move(decimal);
    locale.thousand = std::move(thousands);
    locale.list = std::move(list);
    locale.date = u".";
    return locale;
}

std::wstring Written(const std::locale& locale, double value) {
    std::wostringstream out;
    out.imbue(locale);
    out << std::fixed << std::setprecision(1) << value << L' ' << 1234567;
    return out.str();
}

std::u16string HostText(UINT id) {
    Ovo::String text;
    Ovo::LoadResString(text, nullptr, id, true);
    return text.ToU16String();
}

class LocaleInfoTest : public ::testing::Test {
protected:
    void SetUp() override { Vantrel::RegisterHostResources(); }
    void TearDown() override {
        UnregisterResources(nullptr);
        SetUserLocale(UserLocale());
    }
};

TEST_F(LocaleInfoTest, NumbersTakeTheUsersDecimalSeparatorAndAreNeverGrouped) {
    struct Case {
        const char16_t* decimal;
        const char16_t* thousands;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {u".", u",", L"1234567.5 1234567"},
        {u",", u".", L"1234567,5 1234567"},
        {u",", u"\u00a0", L"1234567,5 1234567"},
    };
    for (const Case& c : cases) {
        SetUserLocale(Regional(c.decimal, c.thousands));
        const LocaleInfo info;
        EXPECT_EQ(Written(info.MakeLocale(), 1234567.5), c.expected);
        std::wistringstream in(std::wstring(L"2") + static_cast<wchar_t>(c.decimal[0]) + L"25");
        in.imbue(info.MakeLocale());
        double back = 0;
        in >> back;
        EXPECT_EQ(back, 2.25);
    }
}

TEST_F(LocaleInfoTest, ReadsTheRegionalSettings) {
    UserLocale regional = Regional(u",", u".");
    regional.timeMode = u"1";
    regional.am = u"vorm.";
    regional.shortDate = u"dd.MM.yyyy";
    regional.oemCodePage = u"850";
    SetUserLocale(regional);
    const LocaleInfo info;
    EXPECT_EQ(std::u16string(info.DecimalSeparator()), u",");
    EXPECT_STREQ(info.DecimalSeparatorA(), ",");
    EXPECT_EQ(std::u16string(info.ListSeparator()), u";");
    EXPECT_EQ(std::u16string(info.AMDesignator()), u"vorm.");
    EXPECT_TRUE(info.Is24Hour());
    EXPECT_EQ(info.OemCodePage(), 850);
    EXPECT_EQ(info.ShortDateFormat().ToU16String(), u"dd.MM.yyyy");
    EXPECT_TRUE(info.Warning().IsEmpty());
    EXPECT_FALSE(info.IsInstalled());
}

TEST_F(LocaleInfoTest, WarnsAboutSeparatorsThatBreakNumbers) {
    struct Case {
        const char* what;
        UserLocale regional;
        std::vector<std::u16string> lines;
    };
    UserLocale unreadable;
    unreadable.unavailable = {LOCALE_STIME};
    UserLocale sameAsDate = Regional(u".", u",");
    UserLocale doubled = Regional(u".", u".");
    const std::u16string unsupported = HostText(20011);
    const std::u16string written = unsupported.substr(0, unsupported.find(u"%1")) +
                                   u"\"ab\" (U+0061 U+0062)" +
                                   unsupported.substr(unsupported.find(u"%1") + 2);
    const Case cases[] = {
        {"US defaults", UserLocale(), {}},
        {"decimal is the date separator", sameAsDate, {HostText(20009)}},
        {"decimal is the list separator", Regional(u",", u".", u","), {HostText(20010)}},
        {"two characters", Regional(u"ab", u","), {written}},
        {"thousands is the decimal", doubled, {HostText(20009), HostText(20013), HostText(20018)}},
    };
    for (const Case& c : cases) {
        SetUserLocale(c.regional);
        std::u16string expected;
        for (const std::u16string& line : c.lines)
            expected += (expected.empty() ? u"" : u"\n") + line;
        EXPECT_EQ(LocaleInfo().Warning().ToU16String(), expected) << c.what;
    }
}

TEST_F(LocaleInfoTest, ASettingThatCannotBeReadEndsTheReading) {
    UserLocale regional = Regional(u",", u".");
    regional.unavailable = {LOCALE_SDATE};
    SetUserLocale(regional);
    const LocaleInfo info;
    EXPECT_TRUE(info.ReadFailed());
    EXPECT_EQ(std::u16string(info.TimeSeparator()), u":");
    EXPECT_EQ(std::u16string(info.ListSeparator()), u""); // after the failed read
    EXPECT_TRUE(info.Warning().IsEmpty());
    EXPECT_EQ(Written(info.MakeLocale(), 0.5), L"0,5 1234567");
}

// The one test that installs the module locale for the process.
TEST_F(LocaleInfoTest, InstanceInstallsTheModuleLocaleForUserTextsOnly) {
    ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    user::Desktop::Reset();
    user::ScriptedMessageBoxes& boxes = user::Desktop::Current().MessageBoxes();
    boxes.Answer(IDOK);
    SetUserLocale(Regional(u",", u".", u","));
    const LocaleInfo& info = LocaleInfo::Instance();
    EXPECT_TRUE(info.IsInstalled());
    EXPECT_EQ(&info, &LocaleInfo::Instance());
    ASSERT_EQ(boxes.Shown().size(), 1u); // the decimal separator is also the list separator
    EXPECT_EQ(boxes.Shown()[0].text, HostText(20010));
    EXPECT_EQ(boxes.Shown()[0].caption, u"Regional Settings");
    EXPECT_EQ(boxes.Shown()[0].style, MB_TASKMODAL);

    Ovo::OStringStream user;
    user << std::fixed << std::setprecision(1) << 1234567.5;
    EXPECT_EQ(user.str().ToU16String(), u"1234567,5");
    EXPECT_EQ(IntToWString(-1234567), L"-1234567");

    Ovo::ClassicStream formula; // formula texts: classic, whatever the user's settings
    formula << 0.001 << L", " << 1234567 << L", " << std::fixed << std::setprecision(1) << 1234567.5;
    EXPECT_EQ(formula.str().ToU16String(), u"0.001, 1234567, 1234567.5");

    char printed[16];
    std::snprintf(printed, sizeof printed, "%.1f", 2.5);
    EXPECT_STREQ(printed, "2.5"); // the C library's locale is left alone
    EXPECT_NE(dynamic_cast<const Ovo::time_getEx*>(&std::use_facet<std::time_get<wchar_t>>(std::locale())),
              nullptr);
}

} // namespace
