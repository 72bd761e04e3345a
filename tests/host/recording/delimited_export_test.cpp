#include "host/recording/DelimitedExport.h"
#include "host/recording/DelimitedImport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace Vantrel;

// Titles that need quoting or an empty unit group to come back unchanged, and values that need
// every digit of a float.
Recording awkwardRecording(double tickPeriod) {
    Recording recording({{"LV, pressure", "mmHg"}, {"Say \"hi\"", ""}, {"Flow (raw)", ""}, {"Volume", "µL"}});
    std::vector<std::vector<float>> columns(4);
    for (int i = 0; i < 50; ++i) {
        const double x = i * 0.37;
        columns[0].push_back(static_cast<float>(100.0 * std::sin(x)));
        columns[1].push_back(static_cast<float>(1e-7 * std::cos(x)));
        columns[2].push_back(static_cast<float>(-12345.678 + i));
        columns[3].push_back(static_cast<float>(1.0 / (i + 3)));
    }
    recording.addRecord(Record(tickPeriod, std::move(columns)));
    return recording;
}

TEST(DelimitedExport, ExportThenImportGivesTheRecordBack) {
    for (const Delimiter delimiter : {Delimiter::Comma, Delimiter::Tab, Delimiter::Semicolon})
        for (const bool timeColumn : {true, false})
            for (const double period : {0.001, 1.0 / 3000.0}) {
                SCOPED_TRACE(testing::Message() << "delimiter " << static_cast<int>(delimiter) << ", time "
                                                << timeColumn << ", period " << period);
                const Recording original = awkwardRecording(period);
                ExportOptions options;
                options.delimiter = delimiter;
                options.timeColumn = timeColumn;
                ImportOptions importOptions;
                if (!timeColumn)
                    importOptions.sampleRate = 1.0 / period;
                const ImportResult result =
                    importDelimitedText(exportDelimitedText(original, 0, options), importOptions);
                ASSERT_TRUE(result.ok()) << result.error().text();
                EXPECT_EQ(result.recording().channels(), original.channels());
                EXPECT_DOUBLE_EQ(result.recording().record(0).tickPeriod(), period);
                EXPECT_EQ(result.recording().record(0), original.record(0));
            }
}

Recording oneChannel(ChannelInfo channel, double tickPeriod, std::vector<float> samples) {
    Recording recording(std::vector<ChannelInfo>{std::move(channel)});
    recording.addRecord(Record(tickPeriod, {std::move(samples)}));
    return recording;
}

// What an export reads back as, given the rate when one time gives none.
Recording readBack(const std::string& text, double rate = 0.0) {
    ImportOptions options;
    options.sampleRate = rate;
    const ImportResult result = importDelimitedText(text, options);
    EXPECT_TRUE(result.ok()) << result.error().text() << "\n" << text;
    return result.ok() ? result.recording() : Recording({});
}

TEST(DelimitedExport, WritesEveryTimeAndHeaderSoThatTheyReadBack) {
    struct Case {
        const char* what;
        Recording recording;
        ExportOptions options;
        std::string text;
    };
    ExportOptions untimed;
    untimed.timeColumn = false;
    const Case cases[] = {
        {"a unit with parentheses goes in square brackets",
         oneChannel({"Volume", "u (L)"}, 0.5, {1, 2}),
         {},
         "Time (s),Volume [u (L)]\n0.0,1\n0.5,2\n"},
        {"a period under a nanosecond keeps its digits",
         oneChannel({"P", "mmHg"}, 1e-12, {1, 2, 3}),
         {},
         "Time (s),P (mmHg)\n0.000000000000,1\n0.000000000001,2\n0.000000000002,3\n"},
        {"times beyond 1e64 s are written whole",
         oneChannel({"P", ""}, 1e64, {1, 2}),
         {},
         "Time (s),P\n0,1\n1e+64,2\n"},
        {"a period of many decimals",
         oneChannel({"P", ""}, 1.0 / 3.0, {1, 2}),
         {},
         "Time (s),P\n0.0000000000000000,1\n0.3333333333333333,2\n"},
        {"a delimiter the import may detect is quoted", oneChannel({"a;b", ""}, 0.001, {1, 2}), untimed,
         "\"a;b\"\n1\n2\n"},
        {"a title that starts like a comment is quoted", oneChannel({"#1", ""}, 0.001, {1, 2}), untimed,
         "\"#1\"\n1\n2\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = exportDelimitedText(c.recording, 0, c.options);
        EXPECT_EQ(text, c.text);
        const Recording back =
            readBack(text, c.options.timeColumn ? 0.0 : c.recording.record(0).sampleRate());
        EXPECT_EQ(back.channels(), c.recording.channels());
        ASSERT_EQ(back.recordCount(), 1);
        EXPECT_EQ(back.record(0).tickPeriod(), c.recording.record(0).tickPeriod());
        EXPECT_EQ(back.record(0), c.recording.record(0));
    }
}

TEST(DelimitedExport, WritesEveryRecordAsABlockOnItsOwnClockAndMissingSamplesAsNaN) {
    Recording recording(std::vector<ChannelInfo>{{"P", "mmHg"}, {"V", "uL"}});
    Record first(0.001, {{1, NAN, 3}, {4, 5, 6}});
    first.setStartTime(0.548);
    Record second(0.1, {{7, 8}, {NAN, 9}});
    second.setStartTime(-2);
    Record third(1.0 / 3.0, {{10}, {11}});
    third.setStartTime(5);
    recording.addRecord(first);
    recording.addRecord(second);
    recording.addRecord(third);
    const std::string text = exportDelimitedRecording(recording);
    EXPECT_EQ(text, "Time (s),P (mmHg),V (uL)\n0.548,1,4\n0.549,NaN,5\n0.550,3,6\n\n-2.0,7,NaN\n-1.9,8,9\n\n"
                    "5,10,11\n");
    const ImportResult result = importDelimitedText(text);
    ASSERT_TRUE(result.ok()) << result.error().text();
    const Recording& back = result.recording();
    ASSERT_EQ(back.recordCount(), 3);
    for (std::int32_t r = 0; r < 2; ++r) {
        EXPECT_EQ(back.record(r).startTime(), recording.record(r).startTime());
        EXPECT_DOUBLE_EQ(back.record(r).tickPeriod(), recording.record(r).tickPeriod());
        EXPECT_EQ(back.record(r).samples(1)[1], recording.record(r).samples(1)[1]);
    }
    EXPECT_TRUE(std::isnan(back.record(0).samples(0)[1]));
    EXPECT_TRUE(std::isnan(back.record(1).samples(1)[0]));

    ExportOptions untimed;
    untimed.timeColumn = false;
    EXPECT_THROW(exportDelimitedRecording(recording, untimed), std::invalid_argument) << "start times";
}

TEST(DelimitedExport, AOneTickRecordReadsBackWithItsRate) {
    const Recording recording = oneChannel({"P", "mmHg"}, 0.004, {7.5});
    const std::string text = exportDelimitedText(recording);
    EXPECT_FALSE(importDelimitedText(text).ok()) << "one time gives no rate";
    EXPECT_EQ(readBack(text, 250.0).record(0), recording.record(0));
}

TEST(DelimitedExport, FixedDecimalsRoundEverySample) {
    Recording recording(std::vector<ChannelInfo>{{"P", "mmHg"}});
    recording.addRecord(Record(0.001, {{1.23456F, -0.0001F, 99.9996F}}));
    ExportOptions options;
    options.decimals = 3;
    const std::string text = exportDelimitedText(recording, 0, options);
    EXPECT_EQ(text, "Time (s),P (mmHg)\n0.000,1.235\n0.001,0.000\n0.002,100.000\n");
}

// Two ticks of the period from the start time.
Recording lateStart(double startTime, double tickPeriod) {
    Recording recording = oneChannel({"P", ""}, tickPeriod, {1, 2});
    Record record = recording.record(0);
    record.setStartTime(startTime);
    Recording late(recording.channels());
    late.addRecord(std::move(record));
    return late;
}

TEST(DelimitedExport, RefusesWhatCannotBeWrittenFaithfully) {
    const Recording recording = awkwardRecording(0.001);
    ExportOptions tooPrecise;
    tooPrecise.decimals = 10;
    EXPECT_THROW(exportDelimitedText(recording, 0, tooPrecise), std::invalid_argument);
    EXPECT_THROW(exportDelimitedText(recording, 1), std::out_of_range);
    ExportOptions untimed;
    untimed.timeColumn = false;
    struct Case {
        const char* what;
        Recording recording;
        ExportOptions options;
    };
    const Case cases[] = {
        {"a line break in a title", oneChannel({"two\nlines", ""}, 0.001, {1}), {}},
        {"no title", oneChannel({"", "mmHg"}, 0.001, {1}), {}},
        {"blanks around a title", oneChannel({" P", "mmHg"}, 0.001, {1}), {}},
        {"blanks around a unit", oneChannel({"P", "mmHg "}, 0.001, {1}), {}},
        {"a unit with brackets of both kinds", oneChannel({"P", "(mm[Hg"}, 0.001, {1}), {}},
        {"a title that is not UTF-8", oneChannel({"P\xFF", ""}, 0.001, {1}), {}},
        {"an infinite sample", oneChannel({"P", ""}, 0.001, {1, INFINITY}), {}},
        {"times beyond the largest double", oneChannel({"P", ""}, 1e308, {1, 2, 3}), {}},
        {"a period too short beside its times to write them apart", lateStart(1e6, 1e-12), {}},
        {"a channel titled Time without the time column", oneChannel({"time", "s"}, 0.001, {1}), untimed},
        {"a header of numbers alone", oneChannel({"5", ""}, 0.001, {1}), untimed},
        {"no samples", oneChannel({"P", ""}, 0.001, {}), {}},
    };
    for (const Case& c : cases)
        EXPECT_THROW(exportDelimitedText(c.recording, 0, c.options), std::invalid_argument) << c.what;
}

TEST(DelimitedExport, WritesAFileThatImportsBack) {
    const auto path =
        std::filesystem::temp_directory_path() / ("export_test_" + std::to_string(getpid()) + ".tsv");
    const Recording original = awkwardRecording(0.002);
    ExportOptions options;
    options.delimiter = Delimiter::Tab;
    writeDelimitedFile(path, original, 0, options);
    const ImportResult result = importDelimitedFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(result.ok()) << result.error().text();
    EXPECT_EQ(result.recording().record(0), original.record(0));
    EXPECT_THROW(writeDelimitedFile("/nonexistent/dir/x.csv", original), std::runtime_error);
}

} // namespace
