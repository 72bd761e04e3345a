#include "host/engine/SampleExpression.h"

#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace Vantrel {
namespace {

SampleExpression expression(const char* text, std::size_t channels = 2) {
    return SampleExpression(FormulaParser::parse(std::string_view(text)), channels);
}

/// Two channels over ticks 0..9: ch1 = tick, ch2 = 10 * tick; 1 ms per tick.
class SampleExpressionTest : public ::testing::Test {
protected:
    SampleExpressionTest() : recording({{"P", "mmHg"}, {"V", "uL"}}) {
        std::vector<float> a, b;
        for (int k = 0; k < 10; ++k) {
            a.push_back(static_cast<float>(k));
            b.push_back(static_cast<float>(10 * k));
        }
        recording.addRecord(Record(0.001, {a, b}));
    }

    std::vector<double> values(const char* text, Tick first, std::size_t count) {
        std::vector<double> out(count);
        expression(text).evaluate(recording, 0, first, out);
        return out;
    }

    Recording recording;
};

TEST_F(SampleExpressionTest, ComputesArithmeticOverChannelsAndTime) {
    EXPECT_EQ(values("ch1 + ch2 / 10", 2, 3), (std::vector<double>{4, 6, 8}));
    EXPECT_EQ(values("-ch1 * 2 - 1", 0, 2), (std::vector<double>{-1, -3}));
    EXPECT_EQ(values("t * 1000", 3, 2), (std::vector<double>{3, 4}));
    EXPECT_NEAR(values("sin(pi/2 - 1000*t)", 1, 1)[0], std::cos(1.0), 1e-15);
    EXPECT_EQ(values("7", 0, 2), (std::vector<double>{7, 7}));
}

TEST_F(SampleExpressionTest, ShiftLagsOrLeadsBySecondsAndReadsNoValueOutsideTheRecord) {
    std::vector<double> lag = values("shift(ch1, 0.002)", 0, 4);
    EXPECT_TRUE(std::isnan(lag[0]) && std::isnan(lag[1]));
    EXPECT_EQ(lag[2], 0);
    EXPECT_EQ(lag[3], 1);
    std::vector<double> lead = values("shift(ch1, -0.003) + 0", 6, 4);
    EXPECT_EQ(lead[0], 9);
    EXPECT_TRUE(std::isnan(lead[1]) && std::isnan(lead[3]));
    EXPECT_EQ(values("shift(t, -0.001) * 1000", 9, 1)[0], 10); // time has a value at every tick
    EXPECT_EQ(values("ch1", -1, 1)[0] != values("ch1", -1, 1)[0], true);
}

TEST_F(SampleExpressionTest, ShiftFarBeyondTheRecordReadsNoValue) {
    for (const char* text :
         {"shift(ch2, 99999999995.01)", "shift(ch2, -1e300)",
          "shift(shift(shift(shift(shift(ch1, 1e300), 1e300), 1e300), 1e300), 1e300)",
          "shift(shift(shift(shift(shift(ch1, -1e300), -1e300), -1e300), -1e300), -1e300)"}) {
        for (double v : values(text, 0, 3))
            EXPECT_TRUE(std::isnan(v)) << text;
    }
}

TEST_F(SampleExpressionTest, ConstantsAreFolded) {
    EXPECT_TRUE(expression("-1").isConstant());
    EXPECT_EQ(expression("-1").constant(), -1);
    EXPECT_TRUE(expression("2 * pi + sin(0)").isConstant());
    EXPECT_DOUBLE_EQ(expression("2 * pi").constant(), 2 * std::numbers::pi);
    EXPECT_FALSE(expression("t").isConstant());
    EXPECT_FALSE(expression("ch1 * 0").isConstant());
}

TEST_F(SampleExpressionTest, RefusesWhatIsNotASampleFormula) {
    struct Case {
        const char* text;
        std::size_t position;
    } cases[] = {
        {"ch3", 0},
        {"x + 1", 0},
        {"sin(1, 2)", 0},
        {"shift(ch1)", 0},
        {"shift(ch1, t)", 11},
        {"cmpeakdet(ch1, 1)", 0},
        {"1 + PVEdpDet(ch1)", 4},
        {"2 * x", 4},
        {"shift(ch1, 1/0)", 11},
        {"shift(ch1, sin())", 11}, // the time's own fault, before the time is folded
        {"shift(ch1, 1 - sin(1, 2))", 15},
    };
    for (const Case& c : cases) {
        try {
            expression(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.position(), c.position) << c.text;
        }
    }
}

TEST(SampleExpressionReach, FollowsTheSamplesWhileSamplingAndTheWholeRecordOnceComplete) {
    Recording recording(std::vector<ChannelInfo>{{"P", "mmHg"}});
    recording.startSampling(0.01);
    std::vector<std::vector<float>> block{std::vector<float>(50, 1.0f)};
    recording.appendBlock(block);
    EXPECT_EQ(expression("ch1", 1).reach(recording, 0), 50);
    EXPECT_EQ(expression("t + 2", 1).reach(recording, 0), 50);            // time runs with the record
    EXPECT_EQ(expression("shift(ch1, -0.1)", 1).reach(recording, 0), 40); // needs 10 ticks ahead
    EXPECT_EQ(expression("shift(ch1, 0.1)", 1).reach(recording, 0), 50);
    EXPECT_EQ(expression("shift(ch1, -1)", 1).reach(recording, 0), 0);
    EXPECT_EQ(expression("shift(ch1, -1e300)", 1).reach(recording, 0), 0);
    recording.stopSampling();
    EXPECT_EQ(expression("shift(ch1, -0.1)", 1).reach(recording, 0), 50);
}

} // namespace
} // namespace Vantrel
