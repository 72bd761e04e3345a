#include "host/frontend/Program.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

enum class Outcome { Loops, Failure, NoLoops };

// Gives every recording one loop per second of its first record, or fails, or finds none.
class FakeAnalyzer : public LoopAnalyzer {
public:
    explicit FakeAnalyzer(Outcome outcome) : mOutcome(outcome) {}

    AnalysisOutcome analyze(Recording& recording, const AnalysisRequest& request) override {
        if (mOutcome == Outcome::Failure)
            throw std::runtime_error("no end-diastolic points\nfound");
        AnalysisOutcome outcome;
        outcome.channels = request.channels.value_or(AnalysisChannels{0, 1, std::nullopt});
        outcome.settings = SettingsStreams{{{1, 2, 3}, {4, 5}}};
        LoopTable& table = outcome.table;
        if (mOutcome == Outcome::NoLoops)
            return outcome;
        const AnalysisChannels channels = outcome.channels;
        table.columns = {{"P", recording.channels()[channels.pressure].unit},
                         {"V", recording.channels()[channels.volume].unit}};
        const Record& record = recording.record(0);
        for (Tick tick = 0; tick < record.tickCount(); tick += static_cast<Tick>(record.sampleRate()))
            table.rows.push_back(
                {static_cast<std::int64_t>(table.rows.size()) + 1,
                 0,
                 tick * record.tickPeriod(),
                 {record.samples(channels.pressure)[tick], record.samples(channels.volume)[tick]}});
        return outcome;
    }

private:
    Outcome mOutcome;
};

class ProgramTest : public Testing::TempFolderTest {
protected:
    int run(std::vector<std::string> arguments, Outcome outcome = Outcome::Loops) {
        out.str("");
        err.str("");
        const std::vector<std::string_view> views(arguments.begin(), arguments.end());
        return runProgram(views, out, err, [&] { return std::make_unique<FakeAnalyzer>(outcome); });
    }

    std::ostringstream out, err;
};

TEST_F(ProgramTest, PrintsTheTableOfARecordOrWritesItToAFile) {
    const fs::path recording = write("rec.csv", "Pressure (mmHg);Volume [uL]\n1;10\n2;20\n3;30\n4;40\n");
    ASSERT_EQ(run({"analyze", recording.string(), "--rate", "2"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "loop\trecord\ttime (s)\tP (mmHg)\tV (uL)\texcluded\n1\t1\t0\t1\t10\t\n2\t1\t1\t3\t30\t\n\n"
              "loops found\t2\nloops included\t2\nstatistic\t\t\tP (mmHg)\tV (uL)\n"
              "mean\t\t\t2\t20\nSD\t\t\t1.41421\t14.1421\nn\t\t\t2\t2\n");
    EXPECT_EQ(err.str(), "");

    const fs::path output = folder / "loops.csv";
    ASSERT_EQ(run({"analyze", "--format=csv", recording.string(), "--rate=2", "-o", output.string()}), 0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(contents(output).substr(0, 29), "loop,record,time (s),P (mmHg)");
}

TEST_F(ProgramTest, AnalysesTheBundledSampleWithoutARecording) {
    ASSERT_TRUE(fs::exists(defaultSamplePath()));
    // The fake finds a loop a second, far fewer than the sample's beats: the results are written and
    // the status and a line on err say so.
    ASSERT_EQ(run({"analyze"}), 4) << err.str();
    EXPECT_NE(out.str().find("loops found\t8\n"), std::string::npos) << out.str();
    EXPECT_NE(err.str().find("only 8 loops found for 66 beats"), std::string::npos) << err.str();
}

TEST_F(ProgramTest, RefusesAMalformedRecordingNamingLineAndColumnAndWritesNothing) {
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    } cases[] = {
        {"unknown delimiter", "Time (s)|Pressure (mmHg)|Volume (uL)\n0|1|2\n0.001|1|2\n", "line 2"},
        {"non-numeric cell", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.001,1,x2\n", "line 3, column 3"},
        {"ragged row", "Time (s)\tPressure (mmHg)\tVolume (uL)\n0\t1\t2\n0.001\t1\n", "line 3"},
        {"time not increasing", "Time (s);Pressure (mmHg);Volume (uL)\n0;1;2\n0;1;2\n", "line 3, column 1"},
        {"missing channel", "Time (s),Pressure (mmHg),Flow (mL/s)\n0,1,2\n0.001,1,2\n",
         "no channel looks like the volume"},
    };
    const fs::path output = folder / "loops.tsv";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path recording = write("bad.csv", c.text);
        EXPECT_EQ(run({"analyze", recording.string(), "-o", output.string()}), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_TRUE(err.str().starts_with("vantrel: " + recording.string() + ": ")) << err.str();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        const std::string message = err.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
        EXPECT_FALSE(fs::exists(output));
    }
}

TEST_F(ProgramTest, KeepsAnEarlierOutputWhenTheAnalysisFails) {
    const fs::path recording = write("rec.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.5,1,2\n");
    const fs::path output = write("loops.tsv", "earlier results\n");
    EXPECT_EQ(run({"analyze", recording.string(), "-o", output.string()}, Outcome::Failure), 1);
    EXPECT_EQ(err.str(), "vantrel: " + recording.string() +
                             ": cannot analyse the recording: no end-diastolic points found\n");
    EXPECT_EQ(contents(output), "earlier results\n");
    EXPECT_EQ(run({"analyze", (folder / "none.csv").string()}), 1);
    EXPECT_NE(err.str().find("none.csv"), std::string::npos);
}

TEST_F(ProgramTest, SaysWhyNoLoopsWereFoundWithItsOwnExitStatusAndWritesNothing) {
    const fs::path recording = write("rec.csv", "Time (s),LVP (kPa),Volume (uL),ECG\n0,1,2,0\n0.5,1,2,0\n");
    const fs::path output = folder / "loops.tsv";
    EXPECT_EQ(run({"analyze", recording.string(), "-o", output.string()}, Outcome::NoLoops), 3);
    EXPECT_EQ(out.str(), "");
    EXPECT_FALSE(fs::exists(output));
    EXPECT_EQ(err.str(), "vantrel: " + recording.string() +
                             ": no loops found; channel 1 \"LVP (kPa)\" shows no beats: check that it is the "
                             "left-ventricular pressure (--pressure)\n");
    EXPECT_EQ(run({"analyze", recording.string(), "--ecg", "ECG"}, Outcome::NoLoops), 3);
    EXPECT_NE(err.str().find("check that channel 3 \"ECG\" is an ECG with one R wave a beat"),
              std::string::npos)
        << err.str();
}

TEST_F(ProgramTest, WarnsOfAChannelUnitThatDoesNotFitItsRoleAndGoesOn) {
    const fs::path recording = write("rec.csv", "Pressure (mV);Volume (mL)\n1;10\n2;20\n");
    ASSERT_EQ(run({"analyze", recording.string(), "--rate", "1"}), 0);
    EXPECT_EQ(err.str(), "vantrel: warning: " + recording.string() +
                             ": the pressure channel 1 \"Pressure (mV)\" has the unit \"mV\", which is not a "
                             "unit of pressure (mmHg, kPa, cmH2O, ...)\n");
    EXPECT_NE(out.str().find("loops found\t2"), std::string::npos);
}

TEST_F(ProgramTest, AnswersHelpAndUsageErrors) {
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_NE(out.str().find("usage: vantrel analyze"), std::string::npos);
    EXPECT_NE(out.str().find("3 when a recording gives\nno loops"), std::string::npos);
    EXPECT_EQ(run({"analyze", "--help"}), 0);
    EXPECT_NE(out.str().find("--format tsv|csv"), std::string::npos);
    EXPECT_EQ(run({"analyze", "--format", "xml"}), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "vantrel: --format takes tsv or csv, not \"xml\"\n");
}

} // namespace
} // namespace Vantrel

namespace Vantrel {
namespace {

// --save-settings keeps the settings once the results are written; --settings reads them back. A
// damaged settings file or an unreadable macro is refused before any analysis: one line, status 1,
// nothing written.
TEST_F(ProgramTest, KeepsTheSettingsOnlyWithCompleteResultsAndRefusesDamagedOnes) {
    const fs::path recording = write("rec.csv", "Pressure (mmHg);Volume [uL]\n1;10\n2;20\n3;30\n4;40\n");
    const fs::path kept = folder / "kept.vset";
    ASSERT_EQ(run({"analyze", recording.string(), "--rate", "2", "--save-settings", kept.string()}), 0)
        << err.str();
    EXPECT_EQ(parseSettingsFile(contents(kept)), (SettingsStreams{{{1, 2, 3}, {4, 5}}}));
    ASSERT_EQ(run({"analyze", recording.string(), "--rate", "2", "--settings", kept.string()}), 0)
        << err.str();

    const fs::path missed = folder / "missed.vset";
    EXPECT_EQ(run({"analyze", recording.string(), "--rate", "2", "--save-settings", missed.string()},
                  Outcome::Failure),
              1);
    EXPECT_FALSE(fs::exists(missed)) << "no results, no settings";

    const std::string good = contents(kept);
    for (const std::string& damaged : {good.substr(0, good.size() - 3), std::string("VTRLSET1garbage"),
                                       std::string("not settings at all")}) {
        const fs::path file = write("damaged.vset", damaged);
        EXPECT_EQ(run({"analyze", recording.string(), "--rate", "2", "--settings", file.string()}), 1);
        EXPECT_EQ(out.str(), "");
        const std::string message = err.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    }
    EXPECT_EQ(run({"analyze", recording.string(), "--rate", "2", "--run", (folder / "none.mac").string()}),
              1);
    EXPECT_NE(err.str().find("cannot read the macro"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
}

} // namespace
} // namespace Vantrel
