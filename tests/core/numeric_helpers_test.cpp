#include "core/NumericHelpers.h"

#include "platform/vantrel/IDocumentData.h"
#include "tests/support/FakeCalcSources.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumericHelpers, IsNaNTestsTheBitPatternAndLeavesInfinitiesAlone) {
    EXPECT_TRUE(IsNaN(kNaN));
    EXPECT_TRUE(IsNaN(EmptyValue()));
    EXPECT_TRUE(IsNaN(std::bit_cast<double>(0xFFF0000000000001ull))); // negative signalling NaN
    EXPECT_FALSE(IsNaN(kInf));
    EXPECT_FALSE(IsNaN(-kInf));
    EXPECT_FALSE(IsNaN(0.0));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(EmptyValue()), 0x7FF8700000000000ull);
}

TEST(NumericHelpers, ApproxEqualIsRelativeWithAnAbsoluteFloorNearZero) {
    struct Case {
        double a, b;
        bool equal;
    };
    const Case cases[] = {
        {1.0, 1.0 + 1e-14, true}, {1.0, 1.0 + 1e-12, false},
        {0.0, 1e-33, true},       {0.0, 1e-20, false},
        {-1e-33, 1e-33, true},    {kNaN, kNaN, false},
        {kNaN, 1.0, false},       {kInf, kInf, true},
        {kInf, 1e308, false},     {-5e20, -5e20 * (1 + 5e-14), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApproxEqual(c.a, c.b), c.equal) << c.a << " vs " << c.b;
        EXPECT_EQ(ApproxEqual(c.b, c.a), c.equal) << c.b << " vs " << c.a;
    }
}

TEST(NumericHelpers, RatioOverOneMinusGivesTheEmptyValueForAVanishingDenominator) {
    EXPECT_EQ(RatioOverOneMinus(2.0, 0.5), 4.0);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(RatioOverOneMinus(2.0, 1.0)), 0x7FF8700000000000ull);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(RatioOverOneMinus(2.0, 1.0 + 1e-15)), 0x7FF8700000000000ull);
}

TEST(NumericHelpers, DoubleToIntConversionsGiveTheIntegerIndefiniteOutOfRange) {
    struct Case {
        double v;
        std::int32_t truncated, rounded;
    };
    const Case cases[] = {
        {2.5, 2, 3},
        {-2.5, -2, -3},
        {0.0, 0, 0},
        {-0.7, 0, -1},
        {2147483647.4, INT32_MAX, INT32_MAX},
        {2147483647.6, INT32_MAX, INT32_MAX},
        {2147483648.0, INT32_MIN, INT32_MAX},
        {-2147483648.4, INT32_MIN, INT32_MIN},
        {-2147483648.9, INT32_MIN, INT32_MIN},
        {-2147483649.0, INT32_MIN, INT32_MIN},
        {3e9, INT32_MIN, INT32_MAX},
        {-3e9, INT32_MIN, INT32_MIN},
        {kInf, INT32_MIN, INT32_MAX},
        {-kInf, INT32_MIN, INT32_MIN},
        {kNaN, INT32_MIN, INT32_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TruncateToInt32(c.v), c.truncated) << c.v;
        EXPECT_EQ(RoundToInt(c.v), c.rounded) << c.v;
    }
}

TEST(NumericHelpers, RoundToIntAgreesWithLroundInRange) {
    for (double v = -1e6; v <= 1e6; v += 12345.25)
        for (double d : {0.0, 0.5, -0.5, 0.4999999999, 0.75})
            EXPECT_EQ(RoundToInt(v + d), std::lround(v + d)) << v + d;
}

TEST(NumericHelpers, ApproximateRationalFollowsTheContinuedFraction) {
    struct Case {
        double x;
        std::int32_t numerator, denominator;
    };
    const Case cases[] = {
        {0.75, 3, 4},
        {-0.5, -1, 2},
        {2.0, 2, 1},
        {0.0, 0, 1},
        {0.1, 1, 10},
        {1.0 / 3.0, 1, 3},
        // The 21st convergent of sqrt(2): Pell numbers H21 / P21.
        {std::sqrt(2.0), 54608393, 38613965},
        {1e-9, 1, 1000000000},
        {3e-10, 0, 1}, // below 2^-31: no term beyond the integer part
        // Outside the domain |x| < 2^31: saturated, or zero for a NaN.
        {3e9, 0x7FFFFFFE, 1},
        {-kInf, -0x7FFFFFFE, 1},
        {kNaN, 0, 1},
    };
    for (const Case& c : cases) {
        std::int32_t numerator = -99, denominator = -99;
        ApproximateRational(c.x, numerator, denominator);
        EXPECT_EQ(numerator, c.numerator) << c.x;
        EXPECT_EQ(denominator, c.denominator) << c.x;
    }
}

TEST(NumericHelpers, ApproximateRationalStaysWithinTheBoundAndCloseToX) {
    for (double x : {M_PI, -M_E, 1234.56789, 0.000123456}) {
        std::int32_t numerator = 0, denominator = 0;
        ApproximateRational(x, numerator, denominator);
        EXPECT_LE(std::abs(numerator), 0x7FFFFFFE);
        EXPECT_GT(denominator, 0);
        // A convergent h/k is within 1/k^2 of x.
        EXPECT_LE(std::fabs(x - double(numerator) / denominator), 1.0 / (double(denominator) * denominator))
            << x;
    }
}

TEST(NumericHelpers, ToRationalIsReducedWithTheSignInTheNumerator) {
    EXPECT_EQ(ToRational(0.75), boost::rational<std::int64_t>(3, 4));
    EXPECT_EQ(ToRational(-0.5), boost::rational<std::int64_t>(-1, 2));
    EXPECT_EQ(ToRational(kNaN), boost::rational<std::int64_t>(0));
}

struct Line {
    double intercept = -1, slope = -1, r2 = -1;
};

TEST(NumericHelpers, LinearRegressionRecoversConstructedLines) {
    // Sums of small integers are exact; only the final divisions round.
    constexpr double kTol = 1e-12;
    struct Case {
        const char* what;
        std::vector<double> x, y;
        double intercept, slope, r2;
    };
    const Case cases[] = {
        {"exact line", {1, 2, 3}, {2, 4, 6}, 0, 2, 1},
        {"NaN y skipped", {1, 2, 3, 4}, {2, 4, kNaN, 8}, 0, 2, 1},
        {"NaN x skipped", {1, kNaN, 3}, {2, 50, 6}, 0, 2, 1},
        {"unequal lengths use the shorter", {1, 2, 3}, {2, 4, 6, 100, -50}, 0, 2, 1},
        {"infinite x skipped", {1, 2, 3, kInf}, {2, 4, 6, 8}, 0, 2, 1},
        {"infinite y skipped", {1, 2, 3, 4}, {2, 4, 6, -kInf}, 0, 2, 1},
        // mx = my = 3, Qxx = Qyy = 10, Qxy = 8.
        {"scatter", {1, 2, 3, 4, 5}, {1, 3, 2, 5, 4}, 0.6, 0.8, 0.64},
    };
    for (const Case& c : cases) {
        Line line;
        ASSERT_TRUE(LinearRegression(c.x, c.y, &line.intercept, &line.slope, &line.r2)) << c.what;
        EXPECT_NEAR(line.intercept, c.intercept, kTol) << c.what;
        EXPECT_NEAR(line.slope, c.slope, kTol) << c.what;
        EXPECT_NEAR(line.r2, c.r2, kTol) << c.what;
    }
}

TEST(NumericHelpers, LinearRegressionFailsOnDegenerateInputAndWritesNothing) {
    struct Case {
        const char* what;
        std::vector<double> x, y;
    };
    const Case cases[] = {
        {"no pairs", {}, {1, 2}},
        {"all x equal", {2, 2, 2}, {1, 2, 3}},
        {"one pair", {1}, {1}},
        {"only non-finite pairs", {kNaN, kInf, 1}, {1, 2, kNaN}},
        {"infinite x equal otherwise", {2, kInf, 2}, {1, 2, 3}},
        {"sums overflow", {1e200, -1e200, 3e200}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        Line line;
        EXPECT_FALSE(LinearRegression(c.x, c.y, &line.intercept, &line.slope, &line.r2)) << c.what;
        EXPECT_EQ(line.intercept, -1) << c.what;
        EXPECT_EQ(line.slope, -1) << c.what;
        EXPECT_EQ(line.r2, -1) << c.what;
    }
}

TEST(NumericHelpers, LinearRegressionOfConstantYHasSlopeZeroAndNoR2) {
    Line line;
    ASSERT_TRUE(LinearRegression({1, 2, 3}, {5, 5, 5}, &line.intercept, &line.slope, &line.r2));
    EXPECT_EQ(line.slope, 0.0);
    EXPECT_EQ(line.intercept, 5.0);
    EXPECT_TRUE(std::isnan(line.r2));
    double slope = 0;
    EXPECT_TRUE(LinearRegression({1, 2, 3}, {2, 4, 6}, nullptr, &slope, nullptr));
    EXPECT_EQ(slope, 2.0);
}

TEST(NumericHelpers, TheTwoMarkersAreTestedByTheirExactBits) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(NotANumberValue()), 0x7FF8600000000000ull);
    EXPECT_TRUE(IsNotANumberValue(NotANumberValue()));
    EXPECT_TRUE(IsEmptyValue(EmptyValue()));
    EXPECT_FALSE(IsEmptyValue(NotANumberValue()));
    EXPECT_FALSE(IsNotANumberValue(EmptyValue()));
    EXPECT_FALSE(IsNotANumberValue(kNaN));
    EXPECT_FALSE(IsEmptyValue(std::bit_cast<double>(0x7FF8700000000001ull)));
}

TEST(NumericHelpers, PowersOfTenAreExactOrReciprocalsOfExactPowers) {
    EXPECT_EQ(PowerOfTen(0), 1.0);
    EXPECT_EQ(PowerOfTen(3), 1000.0);
    EXPECT_EQ(PowerOfTen(22), 1e22);
    EXPECT_EQ(PowerOfTen(-3), 1.0 / 1000.0);
    EXPECT_EQ(PowerOfTen(-6), 1.0 / 1000000.0);
    EXPECT_EQ(PowerOfTen(309), kInf);
    EXPECT_EQ(PowerOfTen(-309), 0.0);
}

TEST(NumericHelpers, NiceStepsRoundTheLeadingDigit) {
    struct Case {
        double x, up, nearest;
    };
    const Case cases[] = {
        {1.2, 2, 0.5},
        {7, 10, 5},
        {9.6, 20, 5},
        {1.0, 2, 0.5},
        {4.6, 10, 2},
        {200, 500, 100},
        {3, 5, 2},
        {1.5, 5, 1},
        {4.5, 10, 2},
        {5, 10, 2},
        {0.042, 0.05, 0.02},
        {0.0096, 0.02, 0.005},
        {25000, 50000, 20000},
        {1e300, 2e300, 5e299},
    };
    for (const Case& c : cases) {
        double up = c.x, nearest = c.x;
        EXPECT_DOUBLE_EQ(RoundUpToNiceStep(up), c.up) << c.x;
        EXPECT_DOUBLE_EQ(up, c.up) << c.x;
        EXPECT_DOUBLE_EQ(RoundToNiceStep(nearest), c.nearest) << c.x;
        EXPECT_DOUBLE_EQ(nearest, c.nearest) << c.x;
    }
}

TEST(NumericHelpers, NiceStepsLeaveWhatIsNoPositiveFiniteNumberUnchanged) {
    const double unchanged[] = {0.0, -0.0, -3.0, -kInf, kInf, kNaN, 4.9e-324, 1.7e308};
    for (double x : unchanged) {
        double up = x, nearest = x;
        RoundUpToNiceStep(up);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(up), std::bit_cast<std::uint64_t>(x)) << x;
        if (x != 1.7e308) {
            RoundToNiceStep(nearest);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(nearest), std::bit_cast<std::uint64_t>(x)) << x;
        }
    }
}

// A host data object with one channel of 1000 samples 0, 1, 2, ... that notes how it was asked.
class CountingData : public IDocumentData {
public:
    std::shared_ptr<FakeEngine::SampleData> samples = std::make_shared<FakeEngine::SampleData>();
    DWORD flags = 0;
    LONG channel = -1, record = -1;
    bool refuse = false;

    CountingData() {
        for (int i = 0; i < 1000; ++i)
            samples->samples.push_back(static_cast<float>(i));
    }
    HRESULT QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetRecordCount(LONG* count) override {
        *count = 1;
        return S_OK;
    }
    HRESULT GetRecordEndTick(LONG, LONG* tick) override {
        *tick = 1000;
        return S_OK;
    }
    HRESULT GetChannelCount(LONG, DWORD, LONG* count) override {
        *count = 1;
        return S_OK;
    }
    HRESULT GetChannelEvents(LONG, LONG, LONG, IEnumEventEx** out) override {
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT GetChannelSamples(LONG c, DWORD f, LONG r, LONG, ISampleChannel** out) override {
        channel = c;
        flags = f;
        record = r;
        *out = refuse ? nullptr : new FakeEngine::SampleChannel(samples);
        return refuse ? E_FAIL : S_OK;
    }
    HRESULT GetChannelUnit(LONG, LONG, DWORD, IUnknown** unit) override {
        *unit = nullptr;
        return S_FALSE;
    }
};

TEST(NumericHelpers, ChannelMeanOverRangeAveragesTheSamplesOfTheRange) {
    CountingData data;
    // 300 samples: three blocks, the last partial. The mean of 100 .. 399 is 249.5.
    EXPECT_DOUBLE_EQ(ChannelMeanOverRange(&data, 2, 3, 100, 400, true), 249.5);
    EXPECT_EQ(data.flags, 0xC0001000u);
    EXPECT_EQ(data.channel, 2);
    EXPECT_EQ(data.record, 3);
    EXPECT_DOUBLE_EQ(ChannelMeanOverRange(&data, 0, 0, 7, 7, false), 7.0) << "one sample when start is end";
    EXPECT_EQ(data.flags, 0xC0005000u);
    // The channel ends at 1000: the samples there are what is averaged.
    EXPECT_DOUBLE_EQ(ChannelMeanOverRange(&data, 0, 0, 990, 2000, false), 994.5);
    EXPECT_TRUE(std::isnan(ChannelMeanOverRange(&data, 0, 0, 1000, 1010, false)));
    data.refuse = true;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ChannelMeanOverRange(&data, 0, 0, 0, 10, false)),
              std::bit_cast<std::uint64_t>(EmptyValue()));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ChannelMeanOverRange(nullptr, 0, 0, 0, 10, false)),
              std::bit_cast<std::uint64_t>(EmptyValue()));
}

} // namespace
