// The analysis of the bundled sample recordings, through the module as the host loads it, against
// what the generator knows of every beat (data/*.truth.tsv).

#include "LoadedModule.h"
#include "host/frontend/DocumentLoopAnalyzer.h"
#include "host/frontend/ModuleHost.h"
#include "host/frontend/Program.h"
#include "host/recording/DelimitedImport.h"
#include "tools/pvsim/ParamsText.h"
#include "tools/pvsim/TruthText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <span>
#include <sstream>
#include <unistd.h>

namespace Vantrel {
namespace {

const std::filesystem::path kData = TARVIK_SOURCE_DIR "/data";

std::string textOf(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<PvSim::BeatTruth> truthOf(const std::string& sample) {
    return PvSim::parseTruth(textOf(kData / (sample + ".truth.tsv")));
}

// Tolerances. The recordings hold samples rounded to 3 decimals (half a unit: 0.0005 mmHg or uL),
// and the truth is the generator's noise-free value at the same tick, so a value the module reads
// off one sample agrees within that rounding. A value read at end-diastole may come from a sample
// or two away from the R wave when end-diastole is found from the pressure upstroke; the
// ventricle is filled and nearly still there, which bounds the difference as below.
constexpr double kRounding = 0.0006;    // a sample's value against the truth, mmHg or uL
constexpr double kStrokeVolume = 0.002; // uL: the difference of two rounded samples
constexpr double kHeartRate = 1e-9;     // relative: the beat is a whole number of samples
// End-diastole from the pressure upstroke lies where the pressure starts to rise, up to a sample
// before the R wave; from the ECG it is the R wave's own sample.
constexpr double kPressureEdTicks = 1.0;

class SampleAnalysis : public ::testing::Test {
protected:
    static ModuleHost& module() { return Testing::loadedModule(); }

    LoopTable analyze(const std::string& sample, std::optional<std::size_t> ecg) {
        ImportResult imported = importDelimitedFile(kData / (sample + ".csv"));
        EXPECT_TRUE(imported.ok());
        recording = std::make_unique<Recording>(std::move(imported.recording()));
        DocumentLoopAnalyzer analyzer(module());
        return analyzer.analyze(*recording, {AnalysisChannels{0, 1, ecg}, std::nullopt, {}}).table;
    }

    static std::size_t column(const LoopTable& table, const std::string& name) {
        const auto found = std::find_if(table.columns.begin(), table.columns.end(),
                                        [&](const NamedColumn& c) { return c.name == name; });
        EXPECT_NE(found, table.columns.end()) << name;
        return static_cast<std::size_t>(found - table.columns.begin());
    }

    // The beats a loop can be found for. The truth lists every beat whose samples all lie in the
    // record. A loop runs from its end-diastole to the next one; from the ECG that is the next R
    // wave, in the record for every beat listed. From pressure the next end-diastole is confirmed
    // only by the systolic peak after it, which must lie in the record too.
    std::vector<PvSim::BeatTruth> closedBeats(std::vector<PvSim::BeatTruth> beats, bool byEcg) const {
        if (!byEcg && beats.size() > 1) {
            const Tick beat = beats[1].edTick - beats[0].edTick;
            std::erase_if(beats, [&](const PvSim::BeatTruth& b) {
                return b.esTick + beat >= recording->record(0).tickCount();
            });
        }
        return beats;
    }

    std::unique_ptr<Recording> recording;
};

TEST_F(SampleAnalysis, FindsEveryBeatOnceWithItsEndSystoleStrokeVolumeAndHeartRate) {
    for (const std::string sample : {"mouse-steady", "mouse-occlusion"}) {
        for (const bool byEcg : {false, true}) {
            SCOPED_TRACE(sample + (byEcg ? " by ECG" : " by pressure"));
            const LoopTable table = analyze(sample, byEcg ? std::optional<std::size_t>(2) : std::nullopt);
            const std::vector<PvSim::BeatTruth> truth = closedBeats(truthOf(sample), byEcg);
            ASSERT_EQ(table.rows.size(), truth.size());
            const std::size_t pes = column(table, "Pes"), ves = column(table, "Ves"),
                              sv = column(table, "SV"), hr = column(table, "HR");
            for (std::size_t i = 0; i < table.rows.size(); ++i) {
                const LoopRow& row = table.rows[i];
                const PvSim::BeatTruth& beat = truth[i];
                SCOPED_TRACE("loop " + std::to_string(row.loop));
                EXPECT_EQ(row.loop, static_cast<std::int64_t>(i) + 1);
                EXPECT_NEAR(row.time * recording->record(0).sampleRate(), beat.edTick,
                            (byEcg ? 0.0 : kPressureEdTicks) + 1e-6);
                EXPECT_NEAR(row.values[pes], beat.esPressure, kRounding);
                EXPECT_NEAR(row.values[ves], beat.esVolume, kRounding);
                EXPECT_NEAR(row.values[sv], beat.strokeVolume, kStrokeVolume);
                EXPECT_NEAR(row.values[hr], beat.heartRate, beat.heartRate * kHeartRate);
            }
        }
    }
}

// The steady sample cut in two by a blank line after 3 s: two records, analysed one after the
// other. A loop of either record is one of the beats it holds whole (up to the peak after its
// end), at its time on the recording's clock, and names its record.
TEST_F(SampleAnalysis, AnalysesARecordingInBlocksRecordByRecordOnTheRecordingsClock) {
    const std::string text = textOf(kData / "mouse-steady.csv");
    const std::size_t cut = text.find("\n3.000,");
    ASSERT_NE(cut, std::string::npos);
    const ImportResult imported = importDelimitedText(text.substr(0, cut + 1) + "\n" + text.substr(cut + 1));
    ASSERT_TRUE(imported.ok()) << imported.error().text();
    recording = std::make_unique<Recording>(imported.recording());
    ASSERT_EQ(recording->recordCount(), 2);
    EXPECT_EQ(recording->record(1).startTime(), 3.0);
    DocumentLoopAnalyzer analyzer(module());
    const LoopTable table =
        analyzer.analyze(*recording, {AnalysisChannels{0, 1, std::nullopt}, std::nullopt, {}}).table;

    const std::vector<PvSim::BeatTruth> truth = truthOf("mouse-steady");
    const Tick beat = truth[1].edTick - truth[0].edTick;
    std::vector<std::pair<std::int32_t, Tick>> expected; // record and end-diastolic tick of the whole
    for (const PvSim::BeatTruth& b : truth) {
        if (b.esTick + beat < 3000)
            expected.emplace_back(0, b.edTick);
        else if (b.edTick >= 3000 && b.esTick + beat < 10000)
            expected.emplace_back(1, b.edTick);
    }
    ASSERT_EQ(table.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("loop " + std::to_string(i + 1));
        EXPECT_EQ(table.rows[i].record, expected[i].first);
        EXPECT_NEAR(table.rows[i].time * 1000.0, expected[i].second, kPressureEdTicks + 1e-6);
    }
}

// A whole `vantrel analyze` run computes every loop once: the loop analyser and the end-diastole
// detector under it run once per record, whatever the selectors and the fits read of the loops.
// The sample cut in two records, by the pressure and by the ECG, with the relations fitted.
TEST_F(SampleAnalysis, AWholeRunComputesEveryLoopOnce) {
    const std::string text = textOf(kData / "mouse-occlusion.csv");
    const std::size_t cut = text.find("\n3.000,");
    ASSERT_NE(cut, std::string::npos);
    const std::filesystem::path cutFile =
        std::filesystem::temp_directory_path() / ("vantrel-" + std::to_string(::getpid()) + "-cut.csv");
    std::ofstream(cutFile) << text.substr(0, cut + 1) << "\n" << text.substr(cut + 1);
    struct Case {
        std::filesystem::path file;
        std::vector<std::string_view> options;
        std::int64_t records;
    };
    const std::string whole = (kData / "mouse-occlusion.csv").string(), cutText = cutFile.string();
    for (const Case& c : {Case{whole, {}, 1}, Case{whole, {"--ecg", "3"}, 1}, Case{cutText, {}, 2}}) {
        SCOPED_TRACE(c.file.string() + (c.options.empty() ? "" : " by ECG"));
        const CalcClassCatalog& catalog = module().catalog();
        const std::int64_t loopsBefore = catalog.runs(u"TarvikAnalyzer");
        const std::int64_t endsBefore = catalog.runs(u"PVEdpDet");
        std::vector<std::string_view> arguments{"analyze"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const std::string file = c.file.string();
        arguments.push_back(file);
        std::ostringstream out, err;
        ASSERT_EQ(
            runProgram(arguments, out, err, [] { return std::make_unique<DocumentLoopAnalyzer>(module()); }),
            0)
            << err.str();
        EXPECT_NE(out.str().find("ESPVR\tEes"), std::string::npos);
        EXPECT_EQ(catalog.runs(u"TarvikAnalyzer") - loopsBefore, c.records);
        EXPECT_EQ(catalog.runs(u"PVEdpDet") - endsBefore, c.options.empty() ? c.records : 0);
    }
    std::filesystem::remove(cutFile);
}

TEST_F(SampleAnalysis, TakesEndDiastoleAtTheRWaveFromTheEcg) {
    const LoopTable table = analyze("mouse-occlusion", 2);
    const std::vector<PvSim::BeatTruth> truth = truthOf("mouse-occlusion");
    ASSERT_EQ(table.rows.size(), truth.size());
    const std::size_t ped = column(table, "Ped"), ved = column(table, "Ved");
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        SCOPED_TRACE("loop " + std::to_string(i + 1));
        EXPECT_NEAR(table.rows[i].values[ped], truth[i].edPressure, kRounding);
        EXPECT_NEAR(table.rows[i].values[ved], truth[i].edVolume, kRounding);
    }
}

std::optional<double> relation(const LoopTable& table, const std::string& name,
                               const std::string& parameter) {
    for (const RelationValue& fit : table.relations)
        if (fit.relation == name && fit.parameter.name == parameter)
            return fit.value;
    return std::nullopt;
}

// The generator's ESPVR is P = Ees V and the module's end-systole (maximum of P/V) lies on it, so
// the line through the end-systolic points recovers Ees and V0 = 0 up to the 3-decimal rounding of
// the samples (0.0005 over a spread of about 10 uL in Ves and 55 mmHg in Pes). End-diastole from
// the pressure upstroke lies up to a sample before the R wave, where the contraction of the next
// beat has barely begun: the end-diastolic points lie up to 0.0005 mmHg off the EDPVR (Ped 7.7750
// against A e^(k Ved) = 7.7753 at the steady state), which bounds A and k as stated.
constexpr double kEes = 0.001;       // relative
constexpr double kV0 = 0.01;         // uL
constexpr double kAmplitude = 0.005; // relative
constexpr double kRate = 0.002;      // relative

TEST_F(SampleAnalysis, FitsTheGeneratorsRelationsOverTheOcclusion) {
    const PvSim::SimParams params = PvSim::parseParams(textOf(kData / "mouse-occlusion.params.txt"));
    const LoopTable table = analyze("mouse-occlusion", std::nullopt);
    ASSERT_TRUE(relation(table, "ESPVR", "Ees"));
    EXPECT_NEAR(*relation(table, "ESPVR", "Ees"), params.ees, params.ees * kEes);
    EXPECT_NEAR(*relation(table, "ESPVR", "V0"), 0.0, kV0);
    ASSERT_TRUE(relation(table, "EDPVR", "A"));
    EXPECT_NEAR(*relation(table, "EDPVR", "A"), params.edpvrA, params.edpvrA * kAmplitude);
    EXPECT_NEAR(*relation(table, "EDPVR", "k"), params.edpvrK, params.edpvrK * kRate);
    // The relations meet where Ees V = A e^(k V).
    const std::optional<double> volume = relation(table, "intersect", "Volume at intersect");
    ASSERT_TRUE(volume);
    EXPECT_NEAR(params.ees * *volume, params.edpvrA * std::exp(params.edpvrK * *volume), 0.05);
}

const RelationValue* row(const LoopTable& table, const std::string& name, const std::string& parameter) {
    for (const RelationValue& fit : table.relations)
        if (fit.relation == name && fit.parameter.name == parameter)
            return &fit;
    return nullptr;
}

// Each relation says how many loops it rests on, how far their volumes spread, and how well the
// module's relation fits them: the occlusion's end-systolic points lie on the generator's line.
TEST_F(SampleAnalysis, EachRelationNamesItsLoopsTheirVolumeSpanAndTheFitsRSquared) {
    const LoopTable table = analyze("mouse-occlusion", std::nullopt);
    const std::vector<PvSim::BeatTruth> truth = closedBeats(truthOf("mouse-occlusion"), false);
    ASSERT_TRUE(row(table, "ESPVR", "loops"));
    EXPECT_EQ(row(table, "ESPVR", "loops")->value, static_cast<double>(table.rows.size()));
    const auto [low, high] = std::minmax_element(
        truth.begin(), truth.end(), [](const auto& a, const auto& b) { return a.esVolume < b.esVolume; });
    ASSERT_TRUE(row(table, "ESPVR", "volume span"));
    EXPECT_NEAR(row(table, "ESPVR", "volume span")->value, high->esVolume - low->esVolume, 2 * kRounding);
    EXPECT_GT(row(table, "ESPVR", "r²")->value, 0.9999);
    EXPECT_GT(row(table, "EDPVR", "r²")->value, 0.999);
}

// The steady sample's loops all have one end-systolic and one end-diastolic volume: no relation can
// rest on them, and the table says so instead of giving numbers.
TEST_F(SampleAnalysis, RelationsOverSteadyLoopsAreNotDefined) {
    const LoopTable table = analyze("mouse-steady", std::nullopt);
    for (const std::string relationName : {"ESPVR", "EDPVR"}) {
        SCOPED_TRACE(relationName);
        EXPECT_FALSE(row(table, relationName, "r²"));
        const RelationValue* note = row(table, relationName, "not defined");
        ASSERT_TRUE(note);
        EXPECT_NE(note->note.find("less than 10 %"), std::string::npos) << note->note;
    }
    EXPECT_FALSE(row(table, "intersect", "Volume at intersect"));
}

// The pressure-volume area of a beat: the systolic path from end-diastole to end-systole, the ESPVR
// down to where it meets the EDPVR, and the EDPVR back up to end-diastole, taken here from the
// beat's own samples between the generator's end-diastole and end-systole and from the generator's
// relations (ESPVR P = Ees V). PE is what lies outside the loop, CE the share of the loop in it.
// With end-diastole at the R wave the module reads the same samples; its relations are the fitted
// ones, within the tolerances above: the areas differ by some 2e-5 of their size.
constexpr double kArea = 1e-4; // relative

TEST_F(SampleAnalysis, PressureVolumeAreaPotentialEnergyAndEfficiencyAgreeWithTheGenerator) {
    const PvSim::SimParams params = PvSim::parseParams(textOf(kData / "mouse-occlusion.params.txt"));
    const LoopTable table = analyze("mouse-occlusion", 2);
    const std::vector<PvSim::BeatTruth> truth = closedBeats(truthOf("mouse-occlusion"), true);
    ASSERT_EQ(table.rows.size(), truth.size());
    // Where the relations meet, on the side of the loops' volumes.
    const std::optional<double> volumeAtIntersect = relation(table, "intersect", "Volume at intersect");
    ASSERT_TRUE(volumeAtIntersect);
    double vi = *volumeAtIntersect;
    for (int i = 0; i < 50; ++i) {
        const double f = params.ees * vi - params.edpvrA * std::exp(params.edpvrK * vi);
        vi -= f / (params.ees - params.edpvrK * params.edpvrA * std::exp(params.edpvrK * vi));
    }
    const double pi = params.ees * vi;
    const std::span<const float> pressure = recording->record(0).samples(0),
                                 volume = recording->record(0).samples(1);
    const std::size_t sw = column(table, "SW"), pva = column(table, "PVA"), pe = column(table, "PE"),
                      ce = column(table, "CE");
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const PvSim::BeatTruth& beat = truth[i];
        SCOPED_TRACE("loop " + std::to_string(i + 1));
        // The polygon end-diastole ... end-systole, intersect, end-diastole by the shoelace formula,
        // counted positive anticlockwise with volume across, then the EDPVR below its chord.
        std::vector<std::pair<double, double>> points;
        for (Tick t = beat.edTick; t <= beat.esTick; ++t)
            points.emplace_back(volume[static_cast<std::size_t>(t)], pressure[static_cast<std::size_t>(t)]);
        points.emplace_back(vi, pi);
        double area = 0.0;
        for (std::size_t j = 0; j < points.size(); ++j) {
            const auto& [v1, p1] = points[j];
            const auto& [v2, p2] = points[(j + 1) % points.size()];
            area += v1 * p2 - p1 * v2;
        }
        const auto [ved, ped] = points.front();
        const double curve =
            params.edpvrA / params.edpvrK * (std::exp(params.edpvrK * ved) - std::exp(params.edpvrK * vi));
        const double expected = 0.5 * area + 0.5 * (pi + ped) * (ved - vi) - curve;
        const LoopRow& row = table.rows[i];
        EXPECT_NEAR(row.values[pva], expected, expected * kArea);
        EXPECT_NEAR(row.values[pe], expected - row.values[sw], expected * kArea);
        EXPECT_NEAR(row.values[ce], row.values[sw] / expected, kArea);
        EXPECT_GT(row.values[ce], 0.0);
        EXPECT_LT(row.values[ce], 1.0);
    }
}

// The settings an analysis ran with, kept and given to another analysis, give the same table.
TEST_F(SampleAnalysis, KeptSettingsGiveTheSameTable) {
    ImportResult imported = importDelimitedFile(kData / "mouse-occlusion.csv");
    ASSERT_TRUE(imported.ok());
    recording = std::make_unique<Recording>(std::move(imported.recording()));
    DocumentLoopAnalyzer analyzer(module());
    const AnalysisOutcome first =
        analyzer.analyze(*recording, {AnalysisChannels{0, 1, std::nullopt}, std::nullopt, {}});
    ASSERT_TRUE(first.settings);
    const AnalysisOutcome again = analyzer.analyze(*recording, {std::nullopt, first.settings, {}});
    EXPECT_EQ(again.channels.pressure, 0u);
    EXPECT_EQ(again.channels.volume, 1u);
    ASSERT_EQ(again.table.rows.size(), first.table.rows.size());
    for (std::size_t i = 0; i < first.table.rows.size(); ++i)
        for (std::size_t c = 0; c < first.table.columns.size(); ++c) {
            const double a = first.table.rows[i].values[c], b = again.table.rows[i].values[c];
            EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << i << " " << c;
        }
    EXPECT_EQ(again.table.relations.size(), first.table.relations.size());
}

} // namespace
} // namespace Vantrel
