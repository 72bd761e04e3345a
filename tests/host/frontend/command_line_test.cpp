#include "host/frontend/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace Vantrel {
namespace {

Command parse(std::vector<std::string_view> arguments) {
    return parseCommandLine(arguments);
}

TEST(CommandLine, ReadsTheAnalyzeOptionsInEitherSpelling) {
    const Command command = parse({"analyze", "--pressure", "LVP", "--volume=2", "rec.csv", "--ecg", "ECG",
                                   "--format=csv", "-o", "out.csv", "--rate", "250"});
    ASSERT_EQ(command.kind, Command::Kind::Analyze);
    const AnalyzeOptions& options = command.analyze;
    EXPECT_EQ(options.recording, std::filesystem::path("rec.csv"));
    EXPECT_EQ(options.pressure, "LVP");
    EXPECT_EQ(options.volume, "2");
    EXPECT_EQ(options.ecg, "ECG");
    EXPECT_EQ(options.format, TableFormat::Csv);
    EXPECT_EQ(options.output, std::filesystem::path("out.csv"));
    EXPECT_EQ(options.sampleRate, 250.0);
}

TEST(CommandLine, ReadsTheDetectionTheStretchAndTheExcludedLoops) {
    const Command command = parse({"analyze", "--peak-height", "2.5", "--min-period=0", "--from", "2:1.5",
                                   "--to", "90", "--exclude", "3,7-9,12-12", "--summary", "s.csv"});
    const AnalyzeOptions& options = command.analyze;
    EXPECT_EQ(options.peakHeight, 2.5);
    EXPECT_EQ(options.minPeriod, 0.0);
    EXPECT_EQ(options.from, (RecordingTime{2, 1.5}));
    EXPECT_EQ(options.to, (RecordingTime{std::nullopt, 90.0}));
    EXPECT_EQ(options.exclude, (std::vector<LoopRange>{{3, 3}, {7, 9}, {12, 12}}));
    EXPECT_EQ(options.summary, std::filesystem::path("s.csv"));
    EXPECT_EQ(parse({"analyze", "--from", "1:5", "--to", "2:1"}).analyze.to, (RecordingTime{2, 1.0}));
}

TEST(CommandLine, DefaultsToTheSampleOnStandardOutputAsTabs) {
    const Command command = parse({"analyze"});
    ASSERT_EQ(command.kind, Command::Kind::Analyze);
    EXPECT_FALSE(command.analyze.recording);
    EXPECT_FALSE(command.analyze.output);
    EXPECT_FALSE(command.analyze.pressure || command.analyze.volume || command.analyze.ecg);
    EXPECT_EQ(command.analyze.format, TableFormat::Tsv);
    EXPECT_EQ(command.analyze.sampleRate, 0.0);
}

TEST(CommandLine, TakesTheFormatInAnyCase) {
    EXPECT_EQ(parse({"analyze", "--format", "CSV"}).analyze.format, TableFormat::Csv);
    EXPECT_EQ(parse({"analyze", "--format=Tsv"}).analyze.format, TableFormat::Tsv);
}

TEST(CommandLine, TakesAnythingAfterDoubleDashAsTheRecording) {
    EXPECT_EQ(parse({"analyze", "--", "-odd.csv"}).analyze.recording, std::filesystem::path("-odd.csv"));
}

TEST(CommandLine, AnswersHelpAndVersion) {
    EXPECT_EQ(parse({"--help"}).kind, Command::Kind::Help);
    EXPECT_EQ(parse({"-h"}).kind, Command::Kind::Help);
    EXPECT_EQ(parse({"--version"}).kind, Command::Kind::Version);
    EXPECT_EQ(parse({"analyze", "x.csv", "--help", "--bogus"}).kind, Command::Kind::AnalyzeHelp);
}

TEST(CommandLine, RefusesWhatDoesNotFitTheUsage) {
    struct Case {
        std::vector<std::string_view> arguments;
        const char* message;
    } cases[] = {
        {{}, "no command given"},
        {{"analyse"}, "unknown command \"analyse\""},
        {{"--help", "analyze"}, "unexpected argument \"analyze\""},
        {{"analyze", "--bogus"}, "unknown option --bogus"},
        {{"analyze", "--pressure"}, "option --pressure needs a value"},
        {{"analyze", "--volume="}, "option --volume needs a value"},
        {{"analyze", "--ecg", "3", "--ecg", "4"}, "option --ecg given twice"},
        {{"analyze", "-o", "a", "--output", "b"}, "option --output given twice"},
        {{"analyze", "--format", "xlsx"}, "--format takes tsv or csv, not \"xlsx\""},
        {{"analyze", "--rate", "0"}, "--rate takes a positive number"},
        {{"analyze", "--rate", "1kHz"}, "--rate takes a positive number"},
        {{"analyze", "a.csv", "b.csv"}, "\"b.csv\" is one too many"},
        {{"analyze", "--peak-height", "0"}, "--peak-height takes a positive height"},
        {{"analyze", "--peak-height", "nan"}, "--peak-height takes a positive height"},
        {{"analyze", "--min-period", "-1"}, "--min-period takes a number of seconds"},
        {{"analyze", "--ecg", "3", "--peak-height", "10"}, "which --ecg replaces"},
        {{"analyze", "--from", "0:1"}, "with a record from 1"},
        {{"analyze", "--from", "1.5:1"}, "with a record from 1"},
        {{"analyze", "--to", "1:x"}, "--to takes seconds or RECORD:SECONDS"},
        {{"analyze", "--from", "5", "--to", "5"}, "--to must lie after --from"},
        {{"analyze", "--from", "2:5", "--to", "2:1"}, "--to must lie after --from"},
        {{"analyze", "--exclude", "3,,4"}, "--exclude takes loop numbers"},
        {{"analyze", "--exclude", "0"}, "--exclude takes loop numbers"},
        {{"analyze", "--exclude", "9-7"}, "--exclude takes loop numbers"},
        {{"analyze", "--exclude", "2-"}, "--exclude takes loop numbers"},
        {{"analyze", "--exclude", "1", "--exclude", "2"}, "option --exclude given twice"},
        {{"analyze", "--summary", "a", "--summary", "b"}, "option --summary given twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            parse(c.arguments);
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos);
        }
    }
}

} // namespace
} // namespace Vantrel
