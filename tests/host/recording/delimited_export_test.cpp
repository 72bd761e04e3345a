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

TEST(DelimitedExport, FixedDecimalsRoundEverySample) {
    Recording recording(std::vector<ChannelInfo>{{"P", "mmHg"}});
    recording.addRecord(Record(0.001, {{1.23456F, -0.0001F, 99.9996F}}));
    ExportOptions options;
    options.decimals = 3;
    const std::string text = exportDelimitedText(recording, 0, options);
    EXPECT_EQ(text, "Time (s),P (mmHg)\n0.000,1.235\n0.001,0.000\n0.002,100.000\n");
}

TEST(DelimitedExport, RefusesWhatCannotBeWrittenFaithfully) {
    const Recording recording = awkwardRecording(0.001);
    ExportOptions tooPrecise;
    tooPrecise.decimals = 10;
    EXPECT_THROW(exportDelimitedText(recording, 0, tooPrecise), std::invalid_argument);
    EXPECT_THROW(exportDelimitedText(recording, 1), std::out_of_range);
    Recording lineBreak(std::vector<ChannelInfo>{{"two\nlines", ""}});
    lineBreak.addRecord(Record(1, 0.001));
    EXPECT_THROW(exportDelimitedText(lineBreak), std::invalid_argument);
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
