#include "analysis/FitFunction.h"
#include "analysis/FitStatistics.h"
#include "analysis/QuadraticFunc.h"
#include "tests/support/StrdDataset.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using ExtLib::FitStatistics;

struct Statistics {
    std::vector<double> standardErrors, lower, upper;
    double rss = 0, rSquared = 0, s = 0;
    int32_t dof = 0;
    bool ok = false;
};

Statistics ComputeStatistics(const std::vector<double>& x, const std::vector<double>& y,
                             const std::vector<double>& params, const ExtLib::FunctionBase& model) {
    Statistics r;
    r.ok =
        FitStatistics(x, y, params, r.standardErrors, r.lower, r.upper, r.rss, r.rSquared, r.s, r.dof, model);
    return r;
}

// Pontius has x up to 3e6, so J^T J spans 40 to 3e27; LU with implicit pivoting is insensitive to that
// row and column scaling, and the statistics agree with the 15 certified digits to about 1e-13. The
// model is linear in its parameters, so Levenberg-Marquardt's last Gauss-Newton step lands on the
// solution up to the rounding of the scaled problem, about 5e-11 relative for the worst parameter.
// Both tolerances leave two orders of magnitude of margin.
constexpr double kPontiusParameterTolerance = 1e-9;
constexpr double kPontiusStatisticTolerance = 1e-11;

TEST(FitStatistics, PontiusMatchesTheCertifiedValues) {
    const StrdDataset pontius = ReadStrd(TARVIK_TEST_DATA_DIR "/nist/Pontius.dat");
    ASSERT_EQ(pontius.x.size(), 40u);
    ASSERT_EQ(pontius.estimates.size(), 3u);
    const Tarvik::QuadraticFunc model;
    std::vector<double> params;
    ASSERT_TRUE(ExtLib::FitFunction(model, pontius.x, pontius.y, params));
    for (std::size_t j = 0; j < 3; ++j)
        EXPECT_NEAR(params[j], pontius.estimates[j],
                    kPontiusParameterTolerance * std::fabs(pontius.estimates[j]))
            << "B" << j;
    const Statistics r = ComputeStatistics(pontius.x, pontius.y, params, model);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.dof, 37);
    for (std::size_t j = 0; j < 3; ++j)
        EXPECT_NEAR(r.standardErrors[j], pontius.deviations[j],
                    kPontiusStatisticTolerance * pontius.deviations[j])
            << "sd(B" << j << ")";
    EXPECT_NEAR(r.s, pontius.residualDeviation, kPontiusStatisticTolerance * pontius.residualDeviation);
    EXPECT_NEAR(r.rSquared, pontius.rSquared, 1e-14); // 1 - R^2 = 1e-7 carries the 1e-13 relative error above
}

TEST(FitStatistics, LimitsAreTheStudentTQuantileTimesTheStandardError) {
    // t(0.975; df) to 9 decimals from Boost.Math's students_t quantile; the printed tables give
    // 12.706, 4.303, 2.571, 2.228 and 2.042.
    const std::vector<std::pair<int32_t, double>> quantiles{
        {1, 12.706204736}, {2, 4.302652730}, {5, 2.570581836}, {10, 2.228138852}, {30, 2.042272456}};
    const Tarvik::QuadraticFunc model;
    const std::vector<double> params{1.0, -0.5, 0.25};
    for (const auto& [df, t] : quantiles) {
        std::vector<double> x, y;
        for (int32_t i = 0; i < df + 3; ++i) {
            x.push_back(i);
            y.push_back(model.Value(i, params) + (i % 2 ? 0.01 : -0.01) * (1 + i % 3));
        }
        const Statistics r = ComputeStatistics(x, y, params, model);
        ASSERT_TRUE(r.ok) << df;
        ASSERT_EQ(r.dof, df);
        for (std::size_t j = 0; j < 3; ++j) {
            ASSERT_GT(r.standardErrors[j], 0.0);
            // The quantile is recovered from the limits to rounding (1e-9 covers the 9 printed decimals).
            EXPECT_NEAR((r.upper[j] - params[j]) / r.standardErrors[j], t, 1e-9) << "df " << df;
            EXPECT_NEAR((params[j] - r.lower[j]) / r.standardErrors[j], t, 1e-9) << "df " << df;
        }
    }
}

TEST(FitStatistics, AsManyPointsAsParametersHaveNoStatistics) {
    const Tarvik::QuadraticFunc model;
    const Statistics r = ComputeStatistics({1, 2, 3}, {1, 4, 9}, {0, 0, 1}, model);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.dof, 0);
    EXPECT_EQ(r.rss, 0.0);
    EXPECT_EQ(r.rSquared, 1.0);
    EXPECT_TRUE(std::isnan(r.s));
    EXPECT_EQ(r.standardErrors, (std::vector<double>{0, 0, 0}));
}

// y = p0 + p1 x with a third parameter that has no effect: a zero gradient column and a zero row in J^T J.
class IdleParameter : public Tarvik::QuadraticFunc {
public:
    double Value(double x, const std::vector<double>& p) const override { return p[0] + p[1] * x; }
    void Gradient(double x, const std::vector<double>&, std::vector<double>& g) const override {
        g = {1.0, x, 0.0};
    }
};

TEST(FitStatistics, AParameterWithoutEffectIsSingular) {
    const Statistics r =
        ComputeStatistics({1, 2, 3, 4, 5}, {2, 3.1, 3.9, 5.2, 6}, {1, 1, 0}, IdleParameter());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.dof, 2);
    EXPECT_GT(r.rSquared, 0.9); // the scalar outputs are still written
}

TEST(FitStatistics, ConstantDataHaveNoRSquaredButStandardErrors) {
    const Tarvik::QuadraticFunc model;
    const Statistics r = ComputeStatistics({1, 2, 3, 4, 5}, {7, 7, 7, 7, 7}, {7.1, 0, 0}, model);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(std::isnan(r.rSquared));
    EXPECT_NEAR(r.rss, 5 * 0.01, 1e-14);
}

TEST(FitStatistics, MismatchedLengthsAreRefused) {
    const Tarvik::QuadraticFunc model;
    EXPECT_FALSE(ComputeStatistics({1, 2, 3, 4}, {1, 2, 3}, {0, 0, 1}, model).ok);
    EXPECT_FALSE(ComputeStatistics({1, 2, 3, 4}, {1, 2, 3, 4}, {0, 1}, model).ok);
}

} // namespace
