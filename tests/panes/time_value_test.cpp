#include "panes/TimeValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <locale>
#include <sstream>

namespace {

using StrevDraw::TimeTextSettings;
using StrevDraw::TimeValue;

struct Comma : std::numpunct<wchar_t> {
    wchar_t do_decimal_point() const override { return L','; }
};

struct Regional {
    const wchar_t* name;
    std::locale locale;
    TimeTextSettings settings;
};

Regional Dot() {
    return {L"dot", std::locale::classic(), {L":", true, L"AM", L"PM"}};
}
Regional CommaAndDots() {
    return {L"comma", std::locale(std::locale::classic(), new Comma), {L".", false, L"a.m.", L"p.m."}};
}

std::wstring Text(const TimeValue& value, std::uint32_t flags, const Regional& regional) {
    std::wostringstream out;
    out.imbue(regional.locale);
    value.WriteText(out, flags);
    return out.str();
}

TimeValue Value(std::uint32_t display, double seconds, const TimeTextSettings* settings) {
    TimeValue value;
    value.SetTextSettings(settings);
    value.SetTime(display, {}, true, seconds);
    value.SetDigits();
    return value;
}

// What the axis shows for one time in each form, under two regional settings.
TEST(TimeValueTest, TextsOfTheAxisForms) {
    constexpr std::uint32_t elapsed = TimeValue::kTextElapsed;
    struct Case {
        std::uint32_t display;
        double seconds;
        std::uint32_t textFlags;
        const wchar_t* dot;
        const wchar_t* comma;
    };
    const Case cases[] = {
        {2, 5.25, elapsed | TimeValue::kTextUnit, L"5.25 s", L"5,25 s"},
        {2, 3723, elapsed, L"1:02:03", L"1.02.03"},
        {2, 3903, elapsed | TimeValue::kTextUnitLetters, L"1h05m03s", L"1h05m03s"},
        {2, 65.5, elapsed, L"1:05.5", L"1.05,5"},
        {2, 2.0, elapsed, L"2", L"2"},
        {2, 2.0, elapsed | TimeValue::kTextAlwaysHM, L"0:00:02.0", L"0.00.02,0"},
        {2, 2.5, elapsed | TimeValue::kTextKeepZeros, L"2.500000", L"2,500000"},
        {2, -0.5e-6, elapsed, L"0", L"0"},
        {2, -1.5, elapsed, L"-1.5", L"-1,5"},
        {2, 59.9999996, elapsed, L"1:00", L"1.00"},
        {2 | TimeValue::kMilliseconds, 0.0125, elapsed | TimeValue::kTextUnit, L"12.5 ms", L"12,5 ms"},
        {2 | TimeValue::kTotalSeconds, 3723.5, elapsed | TimeValue::kTextUnit, L"3723.5 s", L"3723,5 s"},
        {2 | TimeValue::kPlainSeconds, 2.0, elapsed, L"2.0", L"2,0"},
        {3, 13 * 3600 + 4 * 60 + 5.5, 0, L"13:04:05.5", L"13.04.05,5"},
        {3, 27 * 3600.0, 0, L"3:00:00", L"3.00.00"},
        {3, 13 * 3600 + 60, TimeValue::kTextTwelveHour, L"1:01:00 PM", L"1.01.00 p.m."},
        {3, 30.0, TimeValue::kTextTwelveHour, L"12:00:30 AM", L"12.00.30 a.m."},
        {3 | TimeValue::kUniversalTime, 3600, TimeValue::kTextUT, L"1:00:00 UT", L"1.00.00 UT"},
    };
    for (const Regional& regional : {Dot(), CommaAndDots()}) {
        for (const Case& c : cases) {
            const TimeValue value = Value(c.display, c.seconds, &regional.settings);
            const std::wstring expected = regional.name == std::wstring(L"dot") ? c.dot : c.comma;
            EXPECT_EQ(Text(value, c.textFlags, regional), expected)
                << regional.name << " " << c.seconds << " flags " << std::hex << c.textFlags;
        }
    }
}

TEST(TimeValueTest, SecondsJustBelowAMinuteShowTheMinuteAndKeepTheirTotal) {
    for (const double x : {59.9999996, -59.9999996, 3599.9999997}) {
        const TimeValue value = Value(2, x, nullptr);
        EXPECT_EQ(value.Seconds(), 0.0) << x;
        EXPECT_NEAR(value.TotalSeconds(), x, 1e-12) << x;
    }
    const TimeValue hour = Value(2, 3599.9999997, nullptr);
    EXPECT_EQ(hour.Hours(), 1);
    EXPECT_EQ(hour.Minutes(), 0);
}

// The labels of an axis are made by adding the label step to the first label.
TEST(TimeValueTest, AddingStepsCarriesAcrossMinutesHoursAndZero) {
    const TimeTextSettings dot = Dot().settings;
    TimeValue value = Value(2, -1.0, &dot);
    std::wstring labels;
    for (int i = 0; i < 4; ++i) {
        labels += Text(value, value.TextFlags(), Dot()) + L" ";
        value.AddSeconds(0.4);
    }
    EXPECT_EQ(labels, L"-1 -0.6 -0.2 0.2 ");

    TimeValue clock = Value(2, 3599.5, &dot);
    clock.AddSeconds(0.5);
    EXPECT_EQ(Text(clock, clock.TextFlags(), Dot()), L"1:00:00");
    clock.AddSeconds(-3600.25);
    EXPECT_TRUE(clock.IsNegative());
    EXPECT_EQ(Text(clock, clock.TextFlags(), Dot()), L"-0.25");

    TimeValue near = Value(2, 59.0, &dot);
    near.AddSeconds(0.9999997);
    EXPECT_EQ(near.Minutes(), 1);
    EXPECT_NEAR(near.TotalSeconds(), 59.9999997, 1e-9);
}

TEST(TimeValueTest, ModesTakeTheirBaseTime) {
    const TimeTextSettings twelve = CommaAndDots().settings;
    const RecordTime base{1000.0, 7200.0}, reference{400.0, 7200.0};
    TimeValue value;
    value.SetTextSettings(&twelve);
    value.SetTime(1, base, false, 5.0, reference);
    EXPECT_EQ(value.TotalSeconds(), 605.0);
    EXPECT_EQ(value.TextFlags(), TimeValue::kTextElapsed);
    value.SetTime(3, base, false, 5.0);
    EXPECT_EQ(value.TotalSeconds(), 1005.0);
    EXPECT_EQ(value.TextFlags(), TimeValue::kTextTwelveHour) << "a 12-hour locale";
    value.SetTime(3 | TimeValue::kUniversalTime, base, false, 5.0);
    EXPECT_EQ(value.TotalSeconds(), 8205.0);
    EXPECT_EQ(value.TextFlags(), 0u) << "universal time is never on the 12-hour clock";
    value.SetTime(3 | TimeValue::kUniversalTime, {1000.0, NAN}, false, 5.0);
    EXPECT_EQ(value.TotalSeconds(), 1005.0);
    value.SetTime(9, base, false, 1.0);
    EXPECT_EQ(value.TotalSeconds(), 1005.0) << "an unknown mode stores nothing";
    EXPECT_EQ(StrevDraw::RecordTimeDifference({10, NAN}, {4, 1}), 6.0);
}

TEST(TimeValueTest, ToTextSharesOneBufferAndCutsLongTexts) {
    const TimeTextSettings dot = Dot().settings;
    TimeValue value = Value(2 | TimeValue::kPlainSeconds, 1.5, &dot);
    value.SetTextFlags(TimeValue::kTextKeepZeros);
    const wchar_t* first = value.ToText();
    EXPECT_EQ(std::wstring(first), L"1.500000");
    value.SetSeconds(1e30); // 31 digits before the point
    const wchar_t* second = value.ToText();
    EXPECT_EQ(first, second);
    EXPECT_EQ(std::wstring(second).size(), 30u);
    EXPECT_EQ(std::wstring(second).substr(0, 5), L"10000");
}

} // namespace
