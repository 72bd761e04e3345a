// The analysis options of `vantrel analyze` through the module as the host loads it: the detection
// height, the analysed stretch, excluded loops and kept settings.

#include "LoadedModule.h"
#include "TempFolder.h"
#include "host/frontend/DocumentLoopAnalyzer.h"
#include "host/frontend/Program.h"
#include "host/recording/DelimitedExport.h"
#include "tools/pvsim/Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

namespace Vantrel {
namespace {

namespace fs = std::filesystem;

const fs::path kOcclusion = TARVIK_SOURCE_DIR "/data/mouse-occlusion.csv";

class AnalysisOptions : public Testing::TempFolderTest {
protected:
    int run(std::vector<std::string> arguments) {
        out.str("");
        err.str("");
        const std::vector<std::string_view> views(arguments.begin(), arguments.end());
        return runProgram(views, out, err,
                          [] { return std::make_unique<DocumentLoopAnalyzer>(Testing::loadedModule()); });
    }

    // The loop rows of the output: loop number, record and time, as text.
    std::vector<std::string> loopRows() const {
        std::vector<std::string> rows;
        std::istringstream in(out.str());
        std::string line;
        std::getline(in, line);
        while (std::getline(in, line) && !line.empty()) {
            std::istringstream cells(line);
            std::string loop, record, time;
            std::getline(cells, loop, '\t');
            std::getline(cells, record, '\t');
            std::getline(cells, time, '\t');
            rows.push_back(record + " " + time);
        }
        return rows;
    }

    std::size_t loopsFound() const {
        const std::smatch match = search(R"(loops found\t([0-9]+))");
        return match.empty() ? 0 : std::stoul(match[1]);
    }

    std::smatch search(const char* pattern) const {
        static std::string text;
        text = out.str() + err.str();
        std::smatch match;
        std::regex_search(text, match, std::regex(pattern));
        return match;
    }

    std::ostringstream out, err;
};

// A generated recording written as a user's export; the pressure in kPa when asked.
fs::path writeSimulation(const fs::path& path, const PvSim::SimParams& params, bool kPa) {
    PvSim::Simulation simulation = PvSim::simulate(params);
    const Recording& generated = simulation.recording;
    std::vector<ChannelInfo> channels = generated.channels();
    std::vector<std::vector<float>> columns;
    for (std::size_t c = 0; c < channels.size(); ++c) {
        const auto samples = generated.record(0).samples(c);
        columns.emplace_back(samples.begin(), samples.end());
    }
    if (kPa) {
        channels[0].unit = "kPa";
        for (float& p : columns[0])
            p = static_cast<float>(p / 7.50062);
    }
    Recording recording(channels);
    recording.addRecord(Record(generated.record(0).tickPeriod(), std::move(columns)));
    writeDelimitedFile(path, recording, 0, PvSim::sampleExportOptions());
    return path;
}

// A kPa recording and a right ventricle's pressure (peaks about 25 mmHg) give no loops or a fraction
// of their beats at the default height, with a message that names a height; with it every beat is
// found.
TEST_F(AnalysisOptions, FindsEveryBeatWithTheHeightTheMessageSuggests) {
    PvSim::SimParams rightVentricle = PvSim::SimParams::steadyPreset(PvSim::SimParams::Animal::Mouse);
    rightVentricle.ees = 1.8;
    rightVentricle.peripheralResistance = 0.17;
    rightVentricle.venousPressure = 3.0;
    rightVentricle.pressureNoise = 0.6;
    const PvSim::SimParams mouse = PvSim::SimParams::steadyPreset(PvSim::SimParams::Animal::Mouse);
    struct Case {
        const char* name;
        PvSim::SimParams params;
        bool kPa;
        int status;
    } cases[] = {{"kPa", mouse, true, 3}, {"right ventricle", rightVentricle, false, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path recording = writeSimulation(folder / "rec.csv", c.params, c.kPa);
        const std::size_t beats = PvSim::simulate(c.params).beats.size();
        EXPECT_EQ(run({"analyze", recording.string()}), c.status);
        EXPECT_EQ(out.str().empty(), c.status == 3);
        const std::smatch suggested = search(R"(try --peak-height ([0-9.]+)\n$)");
        ASSERT_FALSE(suggested.empty()) << err.str();
        EXPECT_NE(err.str().find(c.kPa ? " kPa" : " mmHg"), std::string::npos) << err.str();
        ASSERT_EQ(run({"analyze", recording.string(), "--peak-height", suggested[1].str()}), 0) << err.str();
        EXPECT_EQ(err.str(), "");
        EXPECT_GE(loopsFound(), beats - 1) << "a loop runs from one beat to the next";
    }
}

// --from/--to analyse the stretch as the host's selection: exactly the loops that lie in it, and over
// a record boundary those of both records.
TEST_F(AnalysisOptions, AnalysesTheStretchSelected) {
    ASSERT_EQ(run({"analyze", kOcclusion.string()}), 0) << err.str();
    const std::vector<std::string> all = loopRows();
    ASSERT_EQ(run({"analyze", kOcclusion.string(), "--from", "0.2", "--to", "0.95"}), 0) << err.str();
    const std::vector<std::string> steady = loopRows();
    // Loops opened at or after 0.2 s whose next loop opens by 0.95 s.
    std::vector<std::string> inside;
    for (std::size_t i = 0; i + 1 < all.size(); ++i) {
        const double start = std::stod(all[i].substr(2)), end = std::stod(all[i + 1].substr(2));
        if (start >= 0.2 && end <= 0.95)
            inside.push_back(all[i]);
    }
    EXPECT_EQ(steady, inside);
    EXPECT_GE(steady.size(), 5u);

    // Two records: the sample's first two seconds, twice.
    std::ifstream in(kOcclusion);
    std::string line, text;
    std::getline(in, line);
    text = line + "\n";
    std::vector<std::string> rows;
    while (std::getline(in, line) && rows.size() < 2000)
        rows.push_back(line);
    for (const std::string& row : rows)
        text += row + "\n";
    text += "\n";
    for (const std::string& row : rows)
        text += row + "\n";
    const fs::path twoRecords = write("two.csv", text);
    ASSERT_EQ(run({"analyze", twoRecords.string(), "--from", "1:1.0", "--to", "2:1.0"}), 0) << err.str();
    const std::vector<std::string> across = loopRows();
    ASSERT_FALSE(across.empty());
    EXPECT_EQ(across.front().substr(0, 2), "1 ");
    EXPECT_EQ(across.back().substr(0, 2), "2 ");
    EXPECT_GE(std::stod(across.front().substr(2)), 1.0);
    EXPECT_LT(std::stod(across.back().substr(2)), 1.0);
    EXPECT_EQ(run({"analyze", twoRecords.string(), "--from", "3:0"}), 1);
    EXPECT_NE(err.str().find("has 2 record(s)"), std::string::npos) << err.str();
}

// --exclude marks the loops in the table and leaves them out of the summary.
TEST_F(AnalysisOptions, LeavesExcludedLoopsOutOfTheSummary) {
    const fs::path summary = folder / "summary.tsv";
    ASSERT_EQ(run({"analyze", kOcclusion.string(), "--to", "2", "--exclude", "2,4-5", "--summary",
                   summary.string()}),
              0)
        << err.str();
    const std::string table = out.str();
    EXPECT_EQ(table.find("loops found"), std::string::npos) << "the summary is a file of its own";
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n') - 1, 15);
    std::istringstream lines(table);
    std::string line;
    std::vector<bool> excluded;
    std::getline(lines, line);
    while (std::getline(lines, line))
        excluded.push_back(line.ends_with("\tyes"));
    EXPECT_EQ(excluded, (std::vector<bool>{false, true, false, true, true, false, false, false, false, false,
                                           false, false, false, false, false}));
    const std::string text = contents(summary);
    EXPECT_NE(text.find("loops found\t15\nloops included\t12\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nn\t\t\t12\t12\t"), std::string::npos) << text;
    EXPECT_EQ(run({"analyze", kOcclusion.string(), "--to", "2", "--exclude", "16"}), 1);
    EXPECT_NE(err.str().find("--exclude 16: the analysis found 15 loops"), std::string::npos) << err.str();
    EXPECT_EQ(run({"analyze", kOcclusion.string(), "--to", "2", "--exclude", "3-4000000000"}), 1);
    EXPECT_NE(err.str().find("--exclude 4000000000: the analysis found 15 loops"), std::string::npos)
        << err.str();
}

// A loop named twice is left out once: its box is not clicked back on.
TEST_F(AnalysisOptions, ALoopNamedTwiceInExcludeIsLeftOutOnce) {
    std::string summaries[2];
    const char* lists[2] = {"20,40-45", "40-45,20,45,20-20,40"};
    for (int i = 0; i < 2; ++i) {
        const fs::path summary = folder / ("summary" + std::to_string(i) + ".tsv");
        ASSERT_EQ(run({"analyze", kOcclusion.string(), "--exclude", lists[i], "--summary", summary.string()}),
                  0)
            << err.str();
        summaries[i] = contents(summary);
    }
    EXPECT_NE(summaries[0].find("loops included\t58\n"), std::string::npos) << summaries[0];
    EXPECT_NE(summaries[0].find("ESPVR\tr²"), std::string::npos) << "the relations are fitted";
    EXPECT_EQ(summaries[1], summaries[0]); // the relations too: the module fitted over the same loops
}

// The values of a column of the loop table, and whether each loop is excluded.
struct Column {
    std::vector<double> values;
    std::vector<bool> excluded;
};

Column column(const std::string& table, const std::string& heading) {
    std::istringstream lines(table);
    std::string line;
    std::getline(lines, line);
    std::istringstream head(line);
    std::string cell;
    std::size_t at = 0;
    for (std::size_t c = 0; std::getline(head, cell, '\t'); ++c)
        if (cell == heading)
            at = c;
    Column result;
    while (std::getline(lines, line) && !line.empty()) {
        std::istringstream cells(line);
        for (std::size_t c = 0; std::getline(cells, cell, '\t') && c <= at; ++c)
            if (c == at)
                result.values.push_back(std::stod(cell));
        result.excluded.push_back(line.ends_with("\tyes"));
    }
    return result;
}

double relationValue(const std::string& text, const std::string& row) {
    const std::size_t at = text.find(row + "\t");
    return at == std::string::npos ? std::nan("") : std::stod(text.substr(at + row.size() + 1));
}

// --exclude unchecks the loops in the module's loop view, so that its relations are fitted over the
// loops left in: the ESPVR equals the least-squares line through the included loops' end-systolic
// points. The recording has two records, so that the event closing the first record (no loop, no
// item in the view's list) lies before the loops excluded in the second.
TEST_F(AnalysisOptions, FitsTheRelationsOverTheLoopsLeftIn) {
    PvSim::SimParams params = PvSim::SimParams::occlusionPreset(PvSim::SimParams::Animal::Mouse);
    params.pressureNoise = 1.5;
    params.volumeNoise = 0.4;
    params.seed = 7;
    const Recording generated = PvSim::simulate(params).recording;
    Recording recording(generated.channels());
    for (std::size_t first : {std::size_t{0}, std::size_t{4000}}) {
        std::vector<std::vector<float>> columns;
        for (std::size_t c = 0; c < generated.channels().size(); ++c) {
            const auto samples = generated.record(0).samples(c);
            columns.emplace_back(samples.begin() + static_cast<std::ptrdiff_t>(first),
                                 samples.begin() + static_cast<std::ptrdiff_t>(first + 4000));
        }
        recording.addRecord(Record(generated.record(0).tickPeriod(), std::move(columns)));
    }
    const fs::path path = folder / "two-records.csv";
    std::ofstream(path) << exportDelimitedRecording(recording, PvSim::sampleExportOptions());

    const auto fits = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments{"analyze", path.string(), "--summary",
                                           (folder / "s.tsv").string()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        EXPECT_EQ(run(arguments), 0) << err.str();
        return contents(folder / "s.tsv");
    };
    const std::string all = fits({});
    const std::string kept = folder.string() + "/kept.vset";
    const std::string some = fits({"--exclude", "3,33-38,40-48", "--save-settings", kept});
    const std::string table = out.str();
    const Column ves = column(table, "Ves (uL)"), pes = column(table, "Pes (mmHg)");
    ASSERT_GT(ves.values.size(), 45u);
    ASSERT_TRUE(std::find(ves.excluded.begin(), ves.excluded.end(), true) != ves.excluded.end());
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < ves.values.size(); ++i)
        if (!ves.excluded[i]) {
            n += 1;
            sx += ves.values[i];
            sy += pes.values[i];
            sxx += ves.values[i] * ves.values[i];
            sxy += ves.values[i] * pes.values[i];
        }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    const double v0 = -((sy - slope * sx) / n) / slope;
    EXPECT_NEAR(relationValue(some, "ESPVR\tEes (mmHg/uL)"), slope, 1e-4 * std::fabs(slope)) << some;
    EXPECT_NEAR(relationValue(some, "ESPVR\tV0 (uL)"), v0, 1e-3 + 1e-4 * std::fabs(v0)) << some;
    EXPECT_GT(std::fabs(relationValue(all, "ESPVR\tEes (mmHg/uL)") - slope), 1e-3 * std::fabs(slope))
        << "the loops left out change the fit";
    EXPECT_NE(some.find("ESPVR\tloops\t" + std::to_string(static_cast<int>(n)) + "\n"), std::string::npos)
        << some;
    EXPECT_NE(relationValue(some, "EDPVR\tk (1/uL)"), relationValue(all, "EDPVR\tk (1/uL)"));

    // The kept settings analyse every loop again, as the module's Analyze does.
    ASSERT_EQ(run({"analyze", path.string(), "--settings", kept}), 0) << err.str();
    EXPECT_EQ(out.str().find("\tyes"), std::string::npos);
    EXPECT_EQ(fits({"--settings", kept, "--exclude", "3,33-38,40-48"}), some);
}

// Settings saved after a run with a height and a stretch give the same table when loaded.
TEST_F(AnalysisOptions, KeepsTheHeightAndTheStretchInTheSettings) {
    const fs::path recording = writeSimulation(
        folder / "kpa.csv", PvSim::SimParams::steadyPreset(PvSim::SimParams::Animal::Mouse), true);
    const fs::path kept = folder / "kept.vset";
    ASSERT_EQ(run({"analyze", recording.string(), "--peak-height", "4", "--min-period", "0.05", "--from", "2",
                   "--to", "6", "--save-settings", kept.string()}),
              0)
        << err.str();
    const std::string first = out.str();
    EXPECT_GT(loopsFound(), 25u);
    ASSERT_EQ(run({"analyze", recording.string(), "--settings", kept.string()}), 0) << err.str();
    EXPECT_EQ(out.str(), first);
}

} // namespace
} // namespace Vantrel
