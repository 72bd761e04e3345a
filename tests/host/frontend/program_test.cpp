#include "host/frontend/Program.h"

#include "FakeAnalyzer.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

using Testing::Outcome;

class ProgramTest : public Testing::TempFolderTest {
protected:
    int run(std::vector<std::string> arguments, Outcome outcome = Outcome::Loops) {
        out.str("");
        err.str("");
        const std::vector<std::string_view> views(arguments.begin(), arguments.end());
        return runProgram(views, out, err, [&] { return std::make_unique<Testing::FakeAnalyzer>(outcome); });
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

TEST_F(ProgramTest, RefusesTheBadCasesWithTheirStatusAndOneLine) {
    const fs::path recording = write("rec.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.5,1,2\n");
    const fs::path untimed = write("untimed.csv", "Pressure (mmHg),Volume (uL)\n1,2\n1,2\n");
    fs::create_symlink(recording, folder / "link.csv");
    fs::create_hard_link(recording, folder / "hard.csv");
    fs::create_directory(folder / "folder");
    const std::string huge = write("huge.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.5,3e38,2\n");
    const std::string fast = write("fast.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n1e-9,1,2\n");
    const std::string slow = write("slow.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n10,1,2\n");
    const std::string rec = recording.string();
    const std::string rate = "--rate takes a number of samples per second from 1 to 1000000, not ";
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message;
    } cases[] = {
        {{"analyze", rec, "-o", rec},
         2,
         "the output " + rec + " is the recording " + rec + "; the results would replace it"},
        {{"analyze", rec, "--save-settings", rec},
         2,
         "the output " + rec + " is the recording " + rec + "; the results would replace it"},
        {{"analyze", rec, "-o", (folder / "link.csv").string()},
         2,
         "is the recording " + rec + "; the results would replace it"},
        {{"analyze", (folder / "link.csv").string(), "--output", (folder / "hard.csv").string()},
         2,
         "link.csv; the results would replace it"},
        {{"analyze", (folder / "folder").string()},
         1,
         "cannot read " + (folder / "folder").string() + ": it is a folder, not a file"},
        {{"analyze", "/dev/null"}, 1, "cannot read /dev/null: it is a device, pipe or socket, not a file"},
        {{"analyze", rec, "-o", (folder / "folder").string()},
         1,
         "cannot write " + (folder / "folder").string() + ": it is a folder"},
        {{"analyze", untimed.string(), "--rate", "1e308"}, 2, rate + "\"1e308\""},
        {{"analyze", untimed.string(), "--rate", "1e-300"}, 2, rate + "\"1e-300\""},
        {{"analyze", huge},
         1,
         huge + ": the sample of \"Pressure (mmHg)\" at 0.5 s is 3e+38, beyond the 1000000000 in magnitude "
                "that the analysis takes"},
        {{"analyze", fast}, 1, fast + ": a sample rate of 1e+09 per second; the analysis takes 1 to 1000000"},
        {{"analyze", slow}, 1, slow + ": a sample rate of 0.1 per second; the analysis takes 1 to 1000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(run(c.arguments), c.status);
        EXPECT_EQ(out.str(), "");
        const std::string message = err.str();
        EXPECT_TRUE(message.starts_with("vantrel: ") && message.ends_with(c.message + "\n")) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    }
    EXPECT_EQ(contents(recording), "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.5,1,2\n");
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
}

TEST_F(ProgramTest, AFailedWriteToStandardOutputIsAFailure) {
    // A stream buffer that takes nothing, as a full device or a closed stream.
    struct Refusing : std::streambuf {
        int_type overflow(int_type) override { return traits_type::eof(); }
    } refusing;
    std::ostream full(&refusing);
    const fs::path recording = write("rec.csv", "Time (s),Pressure (mmHg),Volume (uL)\n0,1,2\n0.5,1,2\n");
    for (const std::vector<std::string_view>& arguments :
         {std::vector<std::string_view>{"analyze", recording.c_str()}, {"--help"}, {"--version"}}) {
        err.str("");
        EXPECT_EQ(runProgram(arguments, full, err, [] { return std::make_unique<Testing::FakeAnalyzer>(); }),
                  1);
        EXPECT_TRUE(err.str().starts_with("vantrel: cannot write to standard output")) << err.str();
        full.clear();
    }
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
    EXPECT_EQ(run({"analyze", recording.string(), "--rate", "2", "--settings", folder.string()}), 1);
    EXPECT_NE(err.str().find("cannot read " + folder.string()), std::string::npos) << err.str();
    EXPECT_EQ(run({"analyze", recording.string(), "--rate", "2", "--run", (folder / "none.mac").string()}),
              1);
    EXPECT_NE(err.str().find("cannot read " + (folder / "none.mac").string()), std::string::npos)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

} // namespace
} // namespace Vantrel
