#include "host/recording/DelimitedExport.h"
#include "host/recording/DelimitedImport.h"
#include "tools/pvsim/ParamsText.h"
#include "tools/pvsim/PvGenerator.h"
#include "tools/pvsim/Simulation.h"
#include "tools/pvsim/TruthText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace PvSim;

const std::filesystem::path kData = std::filesystem::path(TARVIK_SOURCE_DIR) / "data";

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(in) << path;
    return text.str();
}

// Lines must match; where they differ, each cell must be the same number to within one unit of the
// last decimal printed (another libm may round a last digit the other way).
void expectSameTextWithinPrintedPrecision(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string el, al;
    for (int line = 1; std::getline(e, el); ++line) {
        ASSERT_TRUE(std::getline(a, al)) << "line " << line << " missing";
        if (el == al)
            continue;
        std::replace(el.begin(), el.end(), '\t', ',');
        std::replace(al.begin(), al.end(), '\t', ',');
        std::istringstream ec(el), ac(al);
        for (std::string ecell, acell; std::getline(ec, ecell, ',');) {
            ASSERT_TRUE(std::getline(ac, acell, ',')) << "line " << line;
            const auto point = ecell.find('.');
            const double unit =
                point == std::string::npos ? 1.0 : std::pow(10.0, -double(ecell.size() - point - 1));
            EXPECT_NEAR(std::stod(acell), std::stod(ecell), unit * 1.000001) << "line " << line;
        }
    }
    EXPECT_FALSE(std::getline(a, al)) << "more lines than expected";
}

TEST(SampleData, TheGeneratorReproducesTheBundledRecordings) {
    for (const char* name : {"mouse-steady", "mouse-occlusion"}) {
        SCOPED_TRACE(name);
        const std::string base = (kData / name).string();
        const std::string paramsText = readFile(base + ".params.txt");
        const SimParams params = parseParams(paramsText);
        const Simulation simulation = simulate(params);
        EXPECT_EQ(paramsFileText(params, simulation), paramsText);
        expectSameTextWithinPrintedPrecision(readFile(base + ".truth.tsv"), formatTruth(simulation.beats));
        const std::string csv = readFile(base + ".csv");
        EXPECT_LT(csv.size(), 1000000u);
        expectSameTextWithinPrintedPrecision(
            csv, Vantrel::exportDelimitedText(simulation.recording, 0, sampleExportOptions()));
    }
}

TEST(SampleData, TheBundledRecordingsImportWithTheirTruth) {
    for (const char* name : {"mouse-steady", "mouse-occlusion"}) {
        SCOPED_TRACE(name);
        const Vantrel::ImportResult result =
            Vantrel::importDelimitedFile(kData / (std::string(name) + ".csv"));
        ASSERT_TRUE(result.ok()) << result.error().text();
        const Vantrel::Recording& recording = result.recording();
        EXPECT_EQ(recording.channels(), PvGenerator::channels());
        EXPECT_EQ(recording.record(0).sampleRate(), 1000.0);
        const auto truth = parseTruth(readFile(kData / (std::string(name) + ".truth.tsv")));
        ASSERT_FALSE(truth.empty());
        for (const BeatTruth& beat : truth) {
            const auto es = static_cast<std::size_t>(beat.esTick);
            EXPECT_NEAR(recording.record(0).samples(0)[es], beat.esPressure, 1e-3);
            EXPECT_NEAR(recording.record(0).samples(1)[es], beat.esVolume, 1e-3);
        }
    }
}

} // namespace
