#include "core/time_getEx.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

namespace {

// Facet over the classic locale's names and order (month, day, year), with '-' as the user's date separator.
class TimeGetExTest : public ::testing::Test {
protected:
    std::locale locale{std::locale::classic(), new Ovo::time_getEx(std::locale::classic(), L"-")};

    template <class Read> std::ios_base::iostate Parse(const std::wstring& text, std::tm& t, Read read) {
        std::wistringstream in(text);
        in.imbue(locale);
        std::ios_base::iostate err = std::ios_base::goodbit;
        const auto& facet = std::use_facet<std::time_get<wchar_t>>(locale);
        (facet.*read)(std::istreambuf_iterator<wchar_t>(in), std::istreambuf_iterator<wchar_t>(), in, err,
                      &t);
        return err;
    }
};

TEST_F(TimeGetExTest, YearsFollowTheTwoDigitWindow) {
    struct Case {
        const wchar_t* text;
        int tmYear; // -1: refused
    };
    const Case cases[] = {
        {L"0", 100},   {L"34", 134}, {L"35", 35},    {L"99", 99},   {L"135", 135}, {L"136", -1},
        {L"1850", -1}, {L"1900", 0}, {L"2035", 135}, {L"2036", -1}, {L"x", -1},    {L" 2001", 101},
    };
    for (const Case& c : cases) {
        std::tm t{};
        t.tm_year = -7;
        const std::ios_base::iostate err = Parse(c.text, t, &std::time_get<wchar_t>::get_year);
        if (c.tmYear < 0) {
            EXPECT_TRUE(err & std::ios_base::failbit) << c.text;
            EXPECT_EQ(t.tm_year, -7) << c.text;
        } else {
            EXPECT_FALSE(err & std::ios_base::failbit) << c.text;
            EXPECT_EQ(t.tm_year, c.tmYear) << c.text;
        }
    }
}

TEST_F(TimeGetExTest, DatesReadFieldsInTheLocalesOrder) {
    struct Case {
        const wchar_t* text;
        bool ok;
        int mon, mday, year;
    };
    const Case cases[] = {
        {L"12/25/2034", true, 11, 25, 134}, {L"12-25-99", true, 11, 25, 99}, {L"1 , 2 : 3", true, 0, 2, 103},
        {L"Dec/25/1999", true, 11, 25, 99}, {L"13/01/2000", false, 0, 0, 0}, {L"12/32/2000", false, 0, 0, 0},
        {L"12/25/1850", false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        std::tm t{};
        const std::ios_base::iostate err = Parse(c.text, t, &std::time_get<wchar_t>::get_date);
        EXPECT_EQ(!(err & std::ios_base::failbit), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(t.tm_mon, c.mon) << c.text;
            EXPECT_EQ(t.tm_mday, c.mday) << c.text;
            EXPECT_EQ(t.tm_year, c.year) << c.text;
        }
    }
}

TEST_F(TimeGetExTest, NamesMatchAbbreviatedOrFullWithoutRegardToCase) {
    struct Case {
        const wchar_t* text;
        int index; // -1: refused
    };
    for (const Case& c : {Case{L"Tuesday", 2}, Case{L"tue", 2}, Case{L"SUN", 0}, Case{L"Tues", -1}}) {
        std::tm t{};
        const std::ios_base::iostate err = Parse(c.text, t, &std::time_get<wchar_t>::get_weekday);
        EXPECT_EQ(bool(err & std::ios_base::failbit), c.index < 0) << c.text;
        if (c.index >= 0) {
            EXPECT_EQ(t.tm_wday, c.index) << c.text;
        }
    }
    for (const Case& c : {Case{L"March", 2}, Case{L"dec", 11}, Case{L"Sept", -1}}) {
        std::tm t{};
        const std::ios_base::iostate err = Parse(c.text, t, &std::time_get<wchar_t>::get_monthname);
        EXPECT_EQ(bool(err & std::ios_base::failbit), c.index < 0) << c.text;
        if (c.index >= 0) {
            EXPECT_EQ(t.tm_mon, c.index) << c.text;
        }
    }
}

} // namespace
