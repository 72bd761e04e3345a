// Edit-field numbers: parsing with the empty and not-a-number markers, the
// display text by magnitude, and NumberToText's tidying, in the module locale
// with a point and with a comma as decimal separator.

#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <locale>

#include "core/LocaleInfo.h"
#include "core/NumericHelpers.h"
#include "platform/win32/locale.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Installs the module locale of a decimal separator as the global locale for
// the life of the object.
class ModuleLocale {
public:
    explicit ModuleLocale(char16_t decimal) {
        UserLocale regional;
        regional.decimal = std::u16string(1, decimal);
        regional.thousand = decimal == u',' ? u"." : u",";
        regional.list = u";";
        SetUserLocale(regional);
        mPrevious = std::locale::global(LocaleInfo().MakeLocale());
    }
    ~ModuleLocale() {
        std::locale::global(mPrevious);
        SetUserLocale(UserLocale());
    }

private:
    std::locale mPrevious;
};

// The text with every '.' replaced by the separator.
std::wstring With(const wchar_t* text, wchar_t separator) {
    std::wstring s(text);
    for (wchar_t& c : s)
        if (c == L'.')
            c = separator;
    return s;
}

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

class NumberTextTest : public ::testing::TestWithParam<char16_t> {
protected:
    wchar_t Separator() const { return static_cast<wchar_t>(GetParam()); }
    ModuleLocale mLocale{GetParam()};
};

TEST_P(NumberTextTest, ParsingTellsAnEmptyFieldFromOneWithoutANumber) {
    const std::uint64_t empty = 0x7FF8700000000000ull, notANumber = 0x7FF8600000000000ull;
    struct Case {
        const wchar_t* text;
        std::uint64_t bits;
    };
    const Case markers[] = {{L"", empty},          {L"   ", empty},        {L" \t\r\n ", empty},
                            {L"abc", notANumber},  {L"mV 3", notANumber},  {L"-", notANumber},
                            {L"3.5e", notANumber}, {L"3.5E+", notANumber}, {L"inf", notANumber},
                            {L"nan", notANumber},  {L"1e400", notANumber}};
    for (const Case& c : markers)
        EXPECT_EQ(Bits(GetWindowTextAsDouble(With(c.text, Separator()))), c.bits) << "\"" << c.text << "\"";

    struct Number {
        const wchar_t* text;
        double value;
    };
    const Number numbers[] = {{L"3.5", 3.5}, {L"  3.5  ", 3.5}, {L"3.5 mV", 3.5}, {L"3.5mV", 3.5},
                              {L"-12", -12}, {L".5", 0.5},      {L"1e5x", 1e5},   {L"1.5e-3", 1.5e-3},
                              {L"0x10", 0},  {L"+7", 7},        {L"1e-400", 0}};
    for (const Number& n : numbers)
        EXPECT_EQ(GetWindowTextAsDouble(With(n.text, Separator())), n.value) << "\"" << n.text << "\"";
}

TEST_P(NumberTextTest, TheOtherSeparatorEndsTheNumber) {
    const wchar_t other = Separator() == L'.' ? L',' : L'.';
    EXPECT_EQ(GetWindowTextAsDouble(std::wstring(L"3") + other + L"5"), 3.0);
}

TEST_P(NumberTextTest, DisplayChoosesNotationAndDigitsByMagnitude) {
    struct Case {
        double value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0.0, L"0"},
        {-0.0, L"0"},
        {1e-33, L"0"},
        {-1e-40, L"0"},
        {1e-20, L"1e-20"},
        {12345.6, L"12346"},
        {99999.6, L"100000"},
        {-10000, L"-10000"},
        {100000, L"1e5"},
        {123456, L"1.235e5"},
        {9999.99, L"10000"},
        {1234.56, L"1234.6"},
        {10, L"10"},
        {2.5, L"2.5"},
        {-2.5, L"-2.5"},
        {9.99996, L"10"},
        {0.012345, L"0.01235"},
        {0.01, L"0.01"},
        {0.001234, L"1.234e-3"},
        {0.0099999, L"1e-2"},
        {9.87654321e9, L"9.877e9"},
        {1.5e10, L"1.5e10"},
        {-1.234e50, L"-1.23e50"},
        {1.25e100, L"1.2e100"},
        {3e200, L"3e200"},
        {kInf, L"inf"},
        {-kInf, L"-inf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDoubleForDisplay(c.value).ToWString(), With(c.text, Separator())) << c.value;
}

// Values just below 1e5 are left out: they show as "100000", which reads back
// as 100000, shown as "1e5".
TEST_P(NumberTextTest, DisplayedTextReadsBackToTheShownValue) {
    const double values[] = {0,       1e-33,   0.001234, 0.012345, 0.5,     2.5,
                             9.99996, 12.3456, 1234.56,  9999.99,  12345.6, 100000,
                             123456,  1.5e10,  -7.25e-7, 3e200,    -0.75};
    for (double v : values) {
        const std::wstring shown = FormatDoubleForDisplay(v).ToWString();
        const double back = GetWindowTextAsDouble(shown);
        // Four significant digits are the fewest any row shows.
        EXPECT_LE(std::fabs(back - v), 5e-4 * std::fabs(v) + 1e-32) << v;
        EXPECT_EQ(FormatDoubleForDisplay(back).ToWString(), shown) << v;
    }
}

TEST_P(NumberTextTest, NumberToTextTidiesExponentAndMantissa) {
    struct Case {
        std::uint32_t flags;
        int precision;
        double value;
        const wchar_t* text;
    };
    const Case cases[] = {
        {kNumberTextScientific, 3, 25e6, L"2.5e7"},
        {kNumberTextScientific, 3, 1e7, L"1e7"},
        {kNumberTextScientific, 1, 1.5e-7, L"1.5e-7"},
        {kNumberTextScientific, 3, -1.5e-70, L"-1.5e-70"},
        {kNumberTextScientific, 3, 1.5, L"1.5e+00"}, // an exponent of zeros keeps its digits
        {kNumberTextScientific, 2, 0.0, L"0e+00"},
        {kNumberTextFixed, 15, 12.25, L"12.25"},
        {kNumberTextFixed, 15, 0.0, L"0"},
        {kNumberTextFixed, 15, 100, L"100"},
        {kNumberTextFixed, 15, 0.001, L"0.001"},
        {kNumberTextFixed, 15, 4e-16, L"0"},
        {kNumberTextFixed, 0, 2500, L"2500"},
        {kNumberTextFixed, 2, -0.5, L"-0.5"},
        {kNumberTextGeneral, 6, 0.123456789, L"0.123457"},
        {kNumberTextGeneral, 3, 1e-7, L"1e-7"},
        {kNumberTextGeneral, 3, 2.5e12, L"2.5e12"},
    };
    for (const Case& c : cases) {
        std::wstring text = L"unchanged";
        ASSERT_TRUE(NumberToText(text, c.flags, c.value, c.precision));
        EXPECT_EQ(text, With(c.text, Separator())) << c.value;
    }
}

TEST_P(NumberTextTest, TheClassicFlagWritesAPointWhateverTheLocale) {
    std::wstring text;
    ASSERT_TRUE(NumberToText(text, kNumberTextClassicLocale | kNumberTextFixed, 1234.5, 15));
    EXPECT_EQ(text, L"1234.5");
    ASSERT_TRUE(NumberToText(text, kNumberTextClassicLocale | kNumberTextScientific, 0.00015, 3));
    EXPECT_EQ(text, L"1.5e-4");
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextTest, ::testing::Values(u'.', u','),
                         [](const ::testing::TestParamInfo<char16_t>& info) {
                             return info.param == u'.' ? std::string("Point") : std::string("Comma");
                         });

} // namespace
