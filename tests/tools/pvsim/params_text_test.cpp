#include "tools/pvsim/ParamsText.h"
#include "tools/pvsim/TruthText.h"

#include <gtest/gtest.h>

namespace {

using namespace PvSim;

TEST(ParamsText, ReadsBackWhatItWrites) {
    SimParams params = SimParams::occlusionPreset();
    params.tau1 = 0.1 + 0.2; // needs all 17 digits
    params.seed = 123456789012;
    params.substeps = 7;
    EXPECT_EQ(parseParams(formatParams(params)), params);
    EXPECT_EQ(formatParams(params).find("atrialKick"), std::string::npos) << "written only when set";
    for (const auto animal : {SimParams::Animal::Rat, SimParams::Animal::LargeAnimal}) {
        SimParams kicked = SimParams::occlusionPreset(animal);
        kicked.atrialKick = 6.0;
        EXPECT_EQ(parseParams(formatParams(kicked)), kicked);
    }
    EXPECT_EQ(parseParams("# only a comment\n\n  heartRate = 480 # bpm\r\n"), [] {
        SimParams p;
        p.heartRate = 480;
        return p;
    }());
}

TEST(ParamsText, NamesTheLineOfABadSetting) {
    const std::pair<const char*, const char*> cases[] = {
        {"ees = 5\nspeed = 3\n", "line 2: unknown parameter \"speed\""},
        {"\nees 5\n", "line 2: \"name = value\" expected"},
        {"ees = five\n", "line 1: ees: \"five\" is not a number"},
        {"substeps = 2.5\n", "line 1: substeps: \"2.5\" is not a number"},
    };
    for (const auto& [text, message] : cases) {
        try {
            parseParams(text);
            ADD_FAILURE() << text;
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), message);
        }
    }
}

TEST(TruthText, ReadsBackWithinThePrintedPrecision) {
    const BeatTruth beat{3, 410, 7.77501, 41.52416, 446, 110.53839, 20.09793, 21.52104, 500.0004};
    const std::vector<BeatTruth> read = parseTruth(formatTruth(std::vector{beat}));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].edTick, 410);
    EXPECT_EQ(read[0].esTick, 446);
    EXPECT_DOUBLE_EQ(read[0].edPressure, 7.7750);
    EXPECT_DOUBLE_EQ(read[0].esVolume, 20.0979);
    EXPECT_DOUBLE_EQ(read[0].heartRate, 500.000);
    EXPECT_THROW(parseTruth("beat\n"), std::invalid_argument);
    const std::string header = formatTruth({});
    EXPECT_THROW(parseTruth(header + "1\t2\t3\n"), std::invalid_argument);
    EXPECT_THROW(parseTruth(header + "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\n"), std::invalid_argument);
}

} // namespace
