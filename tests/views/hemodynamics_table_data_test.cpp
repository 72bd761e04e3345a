// The haemodynamics table's data source: the grids the table framework reads over an analysed
// recording, their shape without an analysis, the columns the settings choose, and the number
// formats of its cells.

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "analysis/LoopParameters.h"
#include "analysis/TarvikData.h"
#include "tests/views/HemoTableFixture.h"
#include "views/TarvikHemodynamicsTableViewData.h"

namespace {

using namespace Tarvik;
using TarvikTest::HemoTableFixture;

constexpr DWORD kMain = 0;
constexpr DWORD kSummary = TarvikHemodynamicsTableViewData::kSummaryGrid;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::u16string kSummaryTitles[] = {u"", u"Avg", u"Min", u"Max", u"Count"};

double Parse(std::u16string text) {
    std::string narrow(text.begin(), text.end());
    for (char& c : narrow)
        if (c == ',')
            c = '.';
    return std::stod(narrow);
}

// Half a unit of the fourth significant figure of x: what a cell of 4 figures may be off by.
double FourFigures(double x) {
    return x == 0 ? 0 : 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 3);
}

// The column of a loop parameter, or -1.
int ColumnOf(TarvikData& loops, std::int32_t id) {
    const auto& ids = loops.GetVisibleParamIds();
    for (std::size_t c = 0; c < ids.size(); ++c)
        if (ids[c] == id)
            return static_cast<int>(c);
    return -1;
}

struct Stats {
    double sum = 0, minimum = INFINITY, maximum = -INFINITY;
    int count = 0;
};

TEST_F(HemoTableFixture, AnAnalysedRecordingGivesOneRowPerLoopAndASummaryOfItsLoops) {
    TarvikDocument& document = OpenDocument();
    Analyse();
    TarvikData& loops = document.LoopData();
    // The user unchecks the third loop in the loop view.
    SetModelParam<61>(document.GetModel(kLoopViewModel), IntSet{2});
    document.GetModel(kLoopViewModel)->CommitChange();

    const DWORD columns = Columns();
    ASSERT_EQ(columns, 27u) << "every parameter the stored workflow's analysis gives (no PVA, PE, CE)";
    EXPECT_EQ(ColumnOf(loops, LP_PVA), -1);
    const DWORD rows = Rows(kMain);
    ASSERT_EQ(rows, 65u + 1) << "the recording's 65 complete beats and the title row";
    EXPECT_EQ(Rows(kSummary), 5u);
    EXPECT_EQ(Cell(kMain, 0, 0), u"");
    EXPECT_EQ(Cell(kMain, 0, ColumnOf(loops, LP_HR)), u"HR (bpm)");
    EXPECT_EQ(Cell(kMain, 0, ColumnOf(loops, LP_SV)), u"SV (\u00B5L)");
    for (DWORD c = 1; c < columns; ++c)
        EXPECT_EQ(Cell(kSummary, 0, c), Cell(kMain, 0, c)) << c;

    const int hr = ColumnOf(loops, LP_HR);
    for (DWORD r = 1; r < rows; ++r) {
        EXPECT_EQ(Cell(kMain, r, 0), Ovo::String(std::to_wstring(r)).ToU16String()) << "the loop number";
        if (r == 3)
            EXPECT_EQ(Cell(kMain, r, hr), u" ") << "an excluded loop shows no values";
        else
            EXPECT_EQ(Cell(kMain, r, hr), u"500.0") << "the recording's 500 beats a minute, loop " << r;
    }

    // The summary rows against the loops' own values, the excluded loop left out.
    for (DWORD c = 1; c < columns; ++c) {
        const std::int32_t id = loops.GetVisibleParamIds()[c];
        Stats s;
        for (DWORD r = 1; r < rows; ++r) {
            const double v = r == 3 ? kNaN : loops.GetLoopParamValue(id, static_cast<std::int32_t>(r - 1));
            if (!std::isfinite(v))
                continue;
            s.sum += v, s.minimum = std::min(s.minimum, v), s.maximum = std::max(s.maximum, v), ++s.count;
        }
        const std::u16string title = Cell(kMain, 0, c);
        if (s.count == 0) {
            for (DWORD r = 1; r < 5; ++r)
                EXPECT_EQ(Cell(kSummary, r, c), u"") << Ovo::String(title).ToUtf8() << " row " << r;
            continue;
        }
        const double mean = s.sum / s.count;
        EXPECT_NEAR(Parse(Cell(kSummary, 1, c)), mean, FourFigures(mean) * 1.0001)
            << Ovo::String(title).ToUtf8();
        EXPECT_NEAR(Parse(Cell(kSummary, 2, c)), s.minimum, FourFigures(s.minimum) * 1.0001);
        EXPECT_NEAR(Parse(Cell(kSummary, 3, c)), s.maximum, FourFigures(s.maximum) * 1.0001);
        EXPECT_EQ(Cell(kSummary, 4, c), Ovo::String(std::to_wstring(s.count)).ToU16String());
    }
    EXPECT_EQ(Cell(kSummary, 4, hr), u"64");
    for (DWORD r = 0; r < 5; ++r)
        EXPECT_EQ(Cell(kSummary, r, 0), kSummaryTitles[r]);
}

TEST_F(HemoTableFixture, WithoutAnAnalysisTheTableIsItsTitleRowAndEmptySummaryRows) {
    OpenDocument();
    const DWORD columns = Columns();
    ASSERT_EQ(columns, 27u);
    EXPECT_EQ(Rows(kMain), 1u);
    EXPECT_EQ(Rows(kSummary), 5u);
    for (DWORD c = 0; c < columns; ++c) {
        EXPECT_EQ(Cell(kMain, 0, c), u"") << c;
        EXPECT_EQ(Cell(kMain, 1, c), c == 0 ? u"0" : u"0.000") << "a row asked for before the count followed";
        for (DWORD r = 1; r < 5; ++r)
            EXPECT_EQ(Cell(kSummary, r, c), c == 0 ? kSummaryTitles[r] : u"") << r << ", " << c;
    }
    ComPtr<IAutoOvoString> title;
    EXPECT_EQ(data->GetTitle(0, title.Put()), S_OK);
    Ovo::String titleText;
    titleText.AssignFromInterface(title.Get());
    EXPECT_EQ(titleText.ToU16String(), u"Hemodynamics Table");
    EXPECT_EQ(data->GetSourceName(0, title.Put()), E_NOTIMPL);
}

TEST_F(HemoTableFixture, TheColumnsAreTheShownParametersThatTheAnalysisCanGive) {
    TarvikDocument& document = OpenDocument();
    Analyse();
    const ModelPtr setup = document.FindModel();
    SetModelParam<34>(setup, false); // no workflow: the analysis gives every parameter
    setup->CommitChange();
    SetModelParam<55>(Table(document), IntSet{0, LP_SV, LP_PVA, LP_CE, LP_Tau});
    Table(document)->CommitChange();
    ASSERT_EQ(Columns(), 5u);
    EXPECT_EQ(Cell(kMain, 0, 1), u"SV (\u00B5L)");
    EXPECT_EQ(Cell(kMain, 0, 2), u"PVA (mmHg*\u00B5L)");
    EXPECT_EQ(Cell(kMain, 0, 3), u"CE") << "no unit, no parentheses";
    EXPECT_EQ(data->ParamIdOfColumn(4), LP_Tau);
    EXPECT_EQ(data->ParamIdOfColumn(5), -1);
    EXPECT_EQ(Cell(kMain, 1, 5), u"") << "beyond the column list";

    // A workflow whose analysis step does not compute pressure-volume area hides PVA, PE and CE.
    SetModelParam<34>(setup, true);
    setup->CommitChange();
    SetModelParam<20>(document.GetModel(kAnalysisModel), 0);
    document.GetModel(kAnalysisModel)->CommitChange();
    ASSERT_EQ(Columns(), 3u);
    EXPECT_EQ(data->ParamIdOfColumn(2), LP_Tau);
}

TEST_F(HemoTableFixture, CellStylesMarkTheTitleRowAndTheLoopNumberColumn) {
    OpenDocument();
    struct Case {
        DWORD row, column, style;
    };
    for (DWORD table : {kMain, kSummary})
        for (const Case& c :
             {Case{0, 0, 0x1030}, Case{0, 3, 0x1010}, Case{2, 0, 0x1020}, Case{2, 3, 0x1000}}) {
            DWORD style = 0;
            EXPECT_EQ(data->GetCellFlags(table, c.row, c.column, &style), S_OK);
            EXPECT_EQ(style, c.style) << table << ": " << c.row << ", " << c.column;
        }
}

TEST_F(HemoTableFixture, AColumnFormatChangesItsCellsAndSummaryAndOutlivesHidingTheColumn) {
    TarvikDocument& document = OpenDocument();
    Analyse();
    TarvikData& loops = document.LoopData();
    Columns();
    const int sv = ColumnOf(loops, LP_SV);
    ASSERT_GT(sv, 0);
    EXPECT_EQ(data->FormatOf(LP_SV).significantFigures, 4u);
    data->FormatOf(LP_SV).significantFigures = 2;
    const double first = loops.GetLoopParamValue(LP_SV, 0);
    EXPECT_EQ(Cell(kMain, 1, sv), FormatTableValue(first, ColumnFormat{2, LP_SV}).ToU16String());
    const std::u16string mean = Cell(kSummary, 1, sv);
    EXPECT_EQ(mean.size(), 2u) << "a mean of about 20 uL in two figures";

    // Hidden and shown again, the column keeps its format; "Apply to all columns" reaches it hidden.
    SetModelParam<55>(Table(document), IntSet{0, LP_HR});
    Table(document)->CommitChange();
    Columns();
    data->SetFiguresOfAllColumns(6);
    SetModelParam<55>(Table(document), IntSet{0, LP_HR, LP_SV});
    Table(document)->CommitChange();
    Columns();
    EXPECT_EQ(data->FormatOf(LP_SV).significantFigures, 6u);
    EXPECT_EQ(Cell(kMain, 1, 1), u"21.5210") << "the first loop's stroke volume in six figures";
    EXPECT_EQ(Cell(kMain, 1, 2), u"500.000");
}

TEST(HemoTableFormat, ValuesAreWrittenWithTheColumnsSignificantFigures) {
    struct PointDecimal : std::numpunct<wchar_t> {
        wchar_t do_decimal_point() const override { return L'.'; }
        std::string do_grouping() const override { return ""; }
    };
    struct CommaDecimal : std::numpunct<wchar_t> {
        wchar_t do_decimal_point() const override { return L','; }
        wchar_t do_thousands_sep() const override { return L'.'; }
        std::string do_grouping() const override { return ""; }
    };
    const std::locale point(std::locale::classic(), new PointDecimal);
    const std::locale comma(std::locale::classic(), new CommaDecimal);
    struct Case {
        double value;
        std::uint32_t figures;
        std::int32_t column;
        const std::locale& locale;
        const char16_t* text;
    };
    const Case cases[] = {
        {72.0, 4, LP_SV, point, u"72.00"},
        {1234.4, 4, LP_SV, point, u"1234"},
        {0.5, 4, LP_SV, point, u"0.5000"},
        {12.345, 2, LP_SV, point, u"12"},
        {12345.6, 4, LP_SV, point, u"1.235e+04"},
        {-0.000123456, 3, LP_SV, point, u"-0.000123"},
        {1e300, 4, LP_SV, point, u"1.000e+300"},
        {12.3, 4, LP_SV, comma, u"12,30"},
        {1234.4, 4, LP_SV, comma, u"1234"},
        {kNaN, 4, LP_SV, point, u" "},
        {INFINITY, 4, LP_SV, point, u" "},
        {-INFINITY, 4, 0, point, u" "},
        {2.5, 4, 0, point, u"3"},
        {-2.5, 4, 0, point, u"-3"},
        {1e12, 4, 0, point, u"2147483647"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatTableValue(c.value, ColumnFormat{c.figures, c.column}, c.locale).ToU16String(),
                  c.text)
            << c.value << " with " << c.figures;
}

} // namespace
