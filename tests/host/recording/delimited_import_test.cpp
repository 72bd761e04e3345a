#include "host/recording/DelimitedImport.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace Vantrel;

std::vector<float> column(const Recording& recording, std::size_t channel) {
    const auto samples = recording.record(0).samples(channel);
    return {samples.begin(), samples.end()};
}

ImportOptions withRate(double rate) {
    ImportOptions options;
    options.sampleRate = rate;
    return options;
}

struct GoodCase {
    const char* name;
    std::string text;
    ImportOptions options;
    double tickPeriod;
    double startTime = 0.0;
};

// Each case reads as pressure 1.5, -2.5, 30 and volume 10, 11, 12 in one record.
void expectPressureAndVolume(const GoodCase& c) {
    SCOPED_TRACE(c.name);
    const ImportResult result = importDelimitedText(c.text, c.options);
    ASSERT_TRUE(result.ok()) << result.error().text();
    const Recording& recording = result.recording();
    EXPECT_EQ(recording.channels(), (std::vector<ChannelInfo>{{"Pressure", "mmHg"}, {"Volume", "uL"}}));
    ASSERT_EQ(recording.recordCount(), 1);
    EXPECT_DOUBLE_EQ(recording.record(0).tickPeriod(), c.tickPeriod);
    EXPECT_DOUBLE_EQ(recording.record(0).startTime(), c.startTime);
    EXPECT_EQ(column(recording, 0), (std::vector<float>{1.5F, -2.5F, 30.0F}));
    EXPECT_EQ(column(recording, 1), (std::vector<float>{10.0F, 11.0F, 12.0F}));
}

TEST(DelimitedImport, ReadsEveryDelimiterUnitStyleAndTimeAxis) {
    ImportOptions namedTime;
    namedTime.timeColumn = "T";
    ImportOptions semicolons;
    semicolons.delimiter = Delimiter::Semicolon;
    const GoodCase cases[] = {
        {"commas, time in s",
         "Time (s),Pressure (mmHg),Volume [uL]\n0,1.5,10\n0.001,-2.5,11\n0.002,3e1,12\n",
         {},
         0.001},
        {"tabs",
         "Time (s)\tPressure (mmHg)\tVolume [uL]\n1.000\t1.5\t10\n1.002\t-2.5\t11\n1.004\t30\t12\n",
         {},
         0.002,
         1.0},
        {"semicolons, CRLF, BOM",
         "\xEF\xBB\xBFTime;Pressure (mmHg);Volume [uL]\r\n0;1.5;10\r\n0.5;-2.5;11\r\n1;30;12\r\n",
         {},
         0.5},
        {"no time column, rate given", "Pressure (mmHg),Volume [uL]\n1.5,10\n-2.5,11\n+30,12\n\n\n",
         withRate(250), 0.004},
        {"time in ms, named, last",
         "Pressure (mmHg)\tVolume [uL]\tT (ms)\n1.5\t10\t0\n-2.5\t11\t2\n30\t12\t4\n", namedTime, 0.002},
        {"quoted header, spaces, given delimiter",
         "\"Time (s)\"; \"Pressure (mmHg)\" ;Volume [uL]\n0; 1.5 ;10\n0.1;-2.5;11\n0.2;30;12", semicolons,
         0.1},
    };
    for (const GoodCase& c : cases)
        expectPressureAndVolume(c);
}

TEST(DelimitedImport, OneColumnNeedsNoDelimiterAndAnIntegerRateIsExact) {
    std::string text = "Time (s)\tECG\n";
    for (int i = 0; i < 1000; ++i)
        text += std::to_string(i / 3000.0).substr(0, 8) + "\t0.5\n"; // times cut to 6 decimals
    const ImportResult result = importDelimitedText(text);
    ASSERT_TRUE(result.ok()) << result.error().text();
    EXPECT_EQ(result.recording().record(0).tickPeriod(), 1.0 / 3000.0);

    const ImportResult single = importDelimitedText("Volume (uL)\n1\n2\n", withRate(1000));
    ASSERT_TRUE(single.ok()) << single.error().text();
    EXPECT_EQ(column(single.recording(), 0), (std::vector<float>{1, 2}));
}

std::vector<float> samples(const Recording& recording, std::int32_t record, std::size_t channel) {
    const auto values = recording.record(record).samples(channel);
    return {values.begin(), values.end()};
}

// As acquisition software in many countries writes them: comment lines before the header,
// semicolons, a decimal comma, quoted cells, a clock that does not start at 0.
TEST(DelimitedImport, ReadsDecimalCommasCommentsQuotedNumbersAndTheRecordingsClock) {
    const GoodCase cases[] = {
        {"semicolons, decimal comma, comments, quotes, CRLF",
         "# Recorder export\r\n# subject 12\r\n\"Time (s)\";\"Pressure (mmHg)\";\"Volume (uL)\"\r\n"
         "\"0,548\";\"1,5\";\"10\"\r\n0,549;-2,5;11\r\n0,550;30;12\r\n",
         {},
         0.001,
         0.548},
        {"tabs, decimal comma",
         "Time (s)\tPressure (mmHg)\tVolume (uL)\n0,548\t1,5\t10\n0,549\t-2,5\t11\n0,55\t30\t12\n",
         {},
         0.001,
         0.548},
        {"commas, quoted decimal commas",
         "Time (s),Pressure (mmHg),Volume "
         "(uL)\n\"0,548\",\"1,5\",10\n\"0,549\",\"-2,5\",11\n\"0,55\",30,12\n",
         {},
         0.001,
         0.548},
        {"quoted numbers",
         "Time (s),Pressure (mmHg),Volume (uL)\n\"0.548\",\"1.5\",\"10\"\n0.549,-2.5,11\n0.550,30,12\n",
         {},
         0.001,
         0.548},
    };
    for (const GoodCase& c : cases)
        expectPressureAndVolume(c);
}

TEST(DelimitedImport, ReadsEmptyAndNaNCellsAsMissingSamples) {
    const ImportResult result =
        importDelimitedText("Time (s)\tP\tV\n0\t1\t\n0.001\tNaN\t2\n0.002\t-nan\t \n0.003\t4\t\"\"\n");
    ASSERT_TRUE(result.ok()) << result.error().text();
    const auto p = column(result.recording(), 0);
    const auto v = column(result.recording(), 1);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0], 1.0F);
    EXPECT_TRUE(std::isnan(p[1]) && std::isnan(p[2]));
    EXPECT_EQ(p[3], 4.0F);
    EXPECT_TRUE(std::isnan(v[0]) && std::isnan(v[2]) && std::isnan(v[3]));
    EXPECT_EQ(v[1], 2.0F);
}

// Each block of rows is a record: blocks end at blank lines, where the clock restarts and where
// it jumps ahead by more than a few sample periods. Each record keeps its own start time.
TEST(DelimitedImport, ASampleTooSmallForAFloatIsZeroAndOneTooLargeIsRefusedAsSuch) {
    const ImportResult tiny = importDelimitedText("Time (s);P\n0;1e-50\n0.5;-2e-60\n");
    ASSERT_TRUE(tiny.ok()) << tiny.error().text();
    EXPECT_EQ(samples(tiny.recording(), 0, 0), (std::vector<float>{0, 0}));
    for (const char* text : {"Time (s),P\n0,1\n1,1e308\n", "Time (s);P\n0;1\n1;1e308\n"}) {
        const ImportResult huge = importDelimitedText(text);
        ASSERT_FALSE(huge.ok());
        EXPECT_EQ(
            huge.error().text(),
            "line 3, column 2: \"1e308\" in \"P\" is beyond the range of a sample (3.4e38 in magnitude)");
    }
}

TEST(DelimitedImport, BlocksBetweenBlankLinesKeepTheirOwnRates) {
    // A 10 Hz block after a 1 kHz one: its steps are a hundred typical steps of the whole column,
    // but the typical step of its own rows.
    const ImportResult result =
        importDelimitedText("Time (s),P\n0,1\n0.001,2\n0.002,3\n0.003,4\n\n1,5\n1.1,6\n1.2,7\n");
    ASSERT_TRUE(result.ok()) << result.error().text();
    const Recording& recording = result.recording();
    ASSERT_EQ(recording.recordCount(), 2);
    EXPECT_DOUBLE_EQ(recording.record(0).tickPeriod(), 0.001);
    EXPECT_DOUBLE_EQ(recording.record(1).tickPeriod(), 0.1);
    EXPECT_EQ(samples(recording, 1, 0), (std::vector<float>{5, 6, 7}));
}

TEST(DelimitedImport, ReadsARecordingInBlocksAsRecords) {
    struct Case {
        const char* name;
        std::string text;
        ImportOptions options;
        std::vector<std::vector<float>> records; // the pressure of each record
        std::vector<double> starts;
    };
    const Case cases[] = {
        {"blank line",
         "Time (s),P\n0,1\n0.001,2\n0.002,3\n\n\n0,4\n0.001,5\n\n",
         {},
         {{1, 2, 3}, {4, 5}},
         {0, 0}},
        {"clock restarts",
         "Time (s),P\n5.000,1\n5.001,2\n5.002,3\n0.000,4\n0.001,5\n",
         {},
         {{1, 2, 3}, {4, 5}},
         {5, 0}},
        {"clock jumps",
         "Time (ms),P\n0,1\n1,2\n2,3\n10000,4\n10001,5\n10002,6\n",
         {},
         {{1, 2, 3}, {4, 5, 6}},
         {0, 10}},
        {"one row blocks", "Time (s),P\n0,1\n0.001,2\n\n7,3\n\n9,4\n", {}, {{1, 2}, {3}, {4}}, {0, 7, 9}},
        {"no time column", "P\n1\n2\n\n3\n", withRate(1000), {{1, 2}, {3}}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = importDelimitedText(c.text, c.options);
        ASSERT_TRUE(result.ok()) << result.error().text();
        const Recording& recording = result.recording();
        ASSERT_EQ(recording.recordCount(), static_cast<std::int32_t>(c.records.size()));
        for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
            EXPECT_EQ(samples(recording, r, 0), c.records[static_cast<std::size_t>(r)]) << "record " << r;
            EXPECT_DOUBLE_EQ(recording.record(r).startTime(), c.starts[static_cast<std::size_t>(r)]);
            EXPECT_DOUBLE_EQ(recording.record(r).tickPeriod(), 0.001);
        }
    }
}

struct BadCase {
    const char* name;
    std::string text;
    ImportOptions options;
    std::int64_t line;
    std::int32_t column;
    const char* message;
};

TEST(DelimitedImport, RefusesBadInputNamingLineAndColumn) {
    ImportOptions secondsColumn;
    secondsColumn.timeColumn = "Seconds";
    const std::string header = "Time (s),P (mmHg),V (uL)\n0,1,2\n";
    std::string drifting = "Time (s),P\n";
    for (int i = 0; i < 40; ++i)
        drifting += std::to_string(i < 20 ? i * 0.001 : 0.019 + (i - 19) * 0.0014) + ",1\n";
    const BadCase cases[] = {
        {"empty file", "", {}, 1, 0, "the file is empty"},
        {"blank file with BOM", "\xEF\xBB\xBF\r\n \n", {}, 1, 0, "the file is empty"},
        {"no data rows", "Time (s),P (mmHg)\r\n\r\n", {}, 2, 0, "no data rows"},
        {"unknown delimiter", "Time (s)|P\n0|1\n0.001|2\n", {}, 2, 0, "separated by \"|\""},
        {"spaces between values", "Time (s) P\n0 1\n0.001 2\n", {}, 2, 0, "separated by \" \""},
        {"non-numeric cell", header + "0.001,1,x2\n", {}, 3, 3, "\"x2\" is not a number in \"V\""},
        {"empty time", header + ",1,2\n", {}, 3, 1, "empty cell in \"Time\""},
        {"missing time", header + "NaN,1,2\n", {}, 3, 1, "\"NaN\" is not a number in \"Time\""},
        {"not a finite number", header + "0.001,inf,2\n", {}, 3, 2, "\"inf\" is not a number"},
        {"a point among decimal commas",
         "Time (s);P\n0;1,5\n0,001;2.5\n",
         {},
         3,
         2,
         "\"2.5\" is not a number in \"P\" (a finite number with a decimal comma is expected)"},
        {"a comma among decimal points",
         "Time (s);P\n0;1.5\n0.001;2,5\n",
         {},
         3,
         2,
         "\"2,5\" is not a number"},
        {"unclosed quote in a row", header + "0.001,\"1,2\n", {}, 3, 2, "double quote"},
        {"bad header after comments", "# recorder\nTime (s),,V\n0,1,2\n", {}, 2, 2, "missing channel name"},
        {"irregular step in a later block",
         "Time (s),P\n0,1\n0.001,2\n0.002,3\n\n1,4\n1.001,5\n1.003,6\n1.004,7\n1.005,8\n",
         {},
         8,
         1,
         "irregular time column: 1.003 s follows 1.001 s, a step of 0.002 s where the sample period is 0.001 "
         "s"},
        {"only comments", "# exported by a recorder\n# 2 channels\n", {}, 2, 0, "no header row"},
        {"short row", header + "0.001,1\n", {}, 3, 3, "2 values where the header has 3 columns"},
        {"long row", header + "0.001,1,2,3\n", {}, 3, 4, "4 values where the header has 3 columns"},
        {"time standing still", header + "0.001,1,2\n0.001,1,2\n", {}, 4, 1, "does not increase"},
        {"time with a gap",
         header + "0.001,1,2\n0.002,1,2\n0.004,1,2\n0.005,1,2\n",
         {},
         5,
         1,
         "irregular time column: 0.004 s follows 0.002 s, a step of 0.002 s where the sample period is "
         "0.001 s"},
        {"time drifting", drifting, {}, 8, 1, "irregular time column"},
        {"one row gives no rate", "Time (s),P\n0,1\n", {}, 2, 1, "no sample rate"},
        {"missing channel name", "Time (s),,V (uL)\n0,1,2\n", {}, 1, 2, "missing channel name"},
        {"unit without a name", "Time (s), (mmHg)\n0,1\n", {}, 1, 2, "missing channel name"},
        {"numbers for a header", "0,1\n0.001,2\n", {}, 1, 0, "header row of channel names"},
        {"unclosed quote", "\"Time (s),P\n0,1\n", {}, 1, 1, "double quote"},
        {"header not UTF-8", "Time (s),P\xff\n0,1\n0.001,2\n", {}, 1, 2, "not UTF-8"},
        {"no time, no rate", "P,V\n1,2\n", {}, 1, 0, "no time column and no sample rate"},
        {"rate disagrees with time", header + "0.001,1,2\n", withRate(500), 1, 1,
         "the sample rate given is 500"},
        {"time unit", "Time (min),P\n0,1\n1,2\n", {}, 1, 1, "time unit \"min\""},
        {"named time column missing", header, secondsColumn, 1, 0, "no column named \"Seconds\""},
        {"only a time column", "Time (s)\n0\n0.001\n", {}, 1, 0, "no channel besides the time column"},
        {"bad rate option", "P\n1\n", withRate(-5), 0, 0, "sample rate must be a positive"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ImportResult result = importDelimitedText(c.text, c.options);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error().line, c.line);
        EXPECT_EQ(result.error().column, c.column);
        EXPECT_NE(result.error().message.find(c.message), std::string::npos) << result.error().message;
        EXPECT_THROW(result.recording(), std::logic_error);
    }
}

TEST(DelimitedImport, ErrorTextNamesLineAndColumn) {
    const ImportResult result = importDelimitedText("Time (s),P\n0,1\n0.001,abc\n");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().text(), "line 3, column 2: \"abc\" is not a number in \"P\" (a finite number "
                                     "with a decimal point is expected)");
    EXPECT_EQ((ImportError{0, 0, "cannot read x"}).text(), "cannot read x");
}

// Cells the importer reads as it scans them and cells it parses: each sample is the float
// from_chars gives for its text, a decimal halfway between two floats among them.
TEST(DelimitedImport, ReadsEveryNumberAsItsTextSays) {
    std::vector<std::string> cells{"16777217",
                                   "16777219",
                                   "-16777217.0",
                                   "16777217.000000001",
                                   "16777216.999999999",
                                   "0.1",
                                   "-0",
                                   "-0.000",
                                   "1e-40",
                                   "3.4028234e38",
                                   "340282346638528859811704183484516925440",
                                   "123456789012345678901",
                                   "1234567890.123456789",
                                   "5.",
                                   ".5",
                                   "-.5",
                                   "007.25"};
    std::mt19937_64 random(11);
    for (int i = 0; i < 20000; ++i) {
        std::string digits = std::to_string(random() % 10'000'000'000'000'000'000u);
        digits.resize(1 + random() % digits.size());
        if (const std::size_t point = random() % (digits.size() + 1); point < digits.size())
            digits.insert(point, ".");
        cells.push_back((random() % 3 == 0 ? "-" : "") + digits);
    }
    for (const char delimiter : {',', ';'}) {
        SCOPED_TRACE(delimiter);
        const auto written = [delimiter](std::string cell) {
            if (delimiter == ';')
                std::replace(cell.begin(), cell.end(), '.', ',');
            return cell;
        };
        std::string text = std::string("Time (s)") + delimiter + "A" + delimiter + "B\n";
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += written(std::to_string(i) + ".000") + delimiter + written(cells[i]) + delimiter +
                    written(cells[cells.size() - 1 - i]) + "\n";
        const ImportResult result = importDelimitedText(text);
        ASSERT_TRUE(result.ok()) << result.error().text();
        const std::vector<float> a = column(result.recording(), 0), b = column(result.recording(), 1);
        ASSERT_EQ(a.size(), cells.size());
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string& cell = cells[i];
            float expected = 0.0F;
            std::from_chars(cell.data(), cell.data() + cell.size(), expected);
            ASSERT_EQ(std::bit_cast<std::uint32_t>(a[i]), std::bit_cast<std::uint32_t>(expected)) << cell;
            ASSERT_EQ(std::bit_cast<std::uint32_t>(b[cells.size() - 1 - i]),
                      std::bit_cast<std::uint32_t>(expected))
                << cell;
        }
    }
}

// A file is read a chunk of a megabyte at a time, lines longer than a chunk among them: it reads
// as its text does, to the same records or the same error.
TEST(DelimitedImport, ReadsAFileAsItsText) {
    std::string rows;
    for (int i = 0; i < 120000; ++i)
        rows += std::to_string(i) + ";" + std::to_string(i % 97) + ",5;-" + std::to_string(i % 13) + "\r\n";
    const std::string head =
        "\xEF\xBB\xBF# " + std::string(1'500'000, 'x') + "\r\nTime (ms);P (mmHg);V (uL)\r\n";
    const struct {
        std::string text;
        std::int32_t records; // 0: an error
    } cases[] = {
        {head + rows + "\r\n \t\r\n\t\n", 1},               // white space after a blank line ends the text
        {head + rows + "\n\t\n" + rows.substr(0, 100), 0},  // but not before a row: a row of one cell
        {head + "0;1;2\n\n \n\n1000;3;4\n1001;5;6\n\n", 2}, // blocks
    };
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "tarvik-import-test.csv";
    for (const auto& [text, records] : cases) {
        {
            std::ofstream out(path, std::ios::binary);
            out << text;
        }
        const ImportResult fromFile = importDelimitedFile(path);
        const ImportResult fromText = importDelimitedText(text);
        ASSERT_EQ(fromText.ok(), records > 0) << (fromText.ok() ? "" : fromText.error().text());
        ASSERT_EQ(fromFile.ok(), fromText.ok());
        if (!fromText.ok()) {
            EXPECT_EQ(fromFile.error().text(), fromText.error().text());
            continue;
        }
        const Recording& file = fromFile.recording();
        const Recording& memory = fromText.recording();
        EXPECT_EQ(file.channels(), memory.channels());
        ASSERT_EQ(file.recordCount(), records);
        ASSERT_EQ(memory.recordCount(), records);
        for (std::int32_t r = 0; r < file.recordCount(); ++r)
            EXPECT_TRUE(file.record(r) == memory.record(r)) << "record " << r;
    }
    std::filesystem::remove(path);
    EXPECT_EQ(importDelimitedFile(std::filesystem::temp_directory_path()).error().line, 0) << "a directory";
}

TEST(DelimitedImport, AMissingFileIsAnErrorOfNoLine) {
    const ImportResult result = importDelimitedFile("/nonexistent/recording.csv");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().line, 0);
    EXPECT_NE(result.error().message.find("cannot read"), std::string::npos);
}

} // namespace
