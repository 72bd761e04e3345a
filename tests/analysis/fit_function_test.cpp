#include "analysis/ExponFunc.h"
#include "analysis/FitFunction.h"
#include "analysis/QuadraticFunc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using ExtLib::FitFunction;

// Noise-free data leave a zero-residual problem on which Levenberg-Marquardt converges quadratically;
// the last accepted step is far below xtol = 1e-8, so the parameters come out to a few ulps of the
// data's own rounding, well inside 1e-9 relative.
constexpr double kNoiseFreeTolerance = 1e-9;

TEST(FitFunction, RecoversANoiseFreeParabolaFromAFarStart) {
    // An end-systolic relation: P = -40 + 3.5 V - 0.012 V^2 (mmHg, uL), started from (0, 0, -1).
    const std::vector<double> truth{-40.0, 3.5, -0.012};
    std::vector<double> v, p;
    for (double x = 20; x <= 120; x += 10) {
        v.push_back(x);
        p.push_back(truth[0] + truth[1] * x + truth[2] * x * x);
    }
    std::vector<double> params;
    ASSERT_TRUE(FitFunction(Tarvik::QuadraticFunc(), v, p, params));
    for (std::size_t j = 0; j < 3; ++j)
        EXPECT_NEAR(params[j], truth[j], kNoiseFreeTolerance * std::fabs(truth[j])) << j;
}

TEST(FitFunction, RecoversANoiseFreeExponential) {
    // An end-diastolic relation P = 0.8 e^(0.021 V); the points at negative volume or below zero
    // pressure cannot start the fit but are fitted all the same.
    const double rate = 0.021, amplitude = 0.8;
    std::vector<double> v{-15.0, 30, 55, 70, 95, 130, 160};
    std::vector<double> p;
    for (double x : v)
        p.push_back(amplitude * std::exp(rate * x));
    std::vector<double> params;
    ASSERT_TRUE(FitFunction(Tarvik::ExponFunc(), v, p, params));
    EXPECT_NEAR(params[0], rate, kNoiseFreeTolerance * rate);
    EXPECT_NEAR(params[1], amplitude, kNoiseFreeTolerance * amplitude);
}

// A model whose value is NaN everywhere: lmdif cannot reduce anything.
class NotANumber : public Tarvik::QuadraticFunc {
public:
    double Value(double, const std::vector<double>&) const override {
        return std::numeric_limits<double>::quiet_NaN();
    }
};

TEST(FitFunction, RefusesWhatCannotBeFitted) {
    const Tarvik::QuadraticFunc quadratic;
    const Tarvik::ExponFunc exponential;
    const NotANumber nan;
    struct Case {
        const char* what;
        const ExtLib::FunctionBase& model;
        std::vector<double> x, y;
    };
    const std::vector<Case> cases{
        {"fewer points than parameters", quadratic, {1, 2}, {3, 4}},
        {"x and y of different lengths", quadratic, {1, 2, 3, 4}, {1, 2, 3}},
        {"no usable start", exponential, {10, 20, 30}, {0, 0, -1}},
        {"model without a value", nan, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        std::vector<double> params{7.0};
        EXPECT_FALSE(FitFunction(c.model, c.x, c.y, params)) << c.what;
        EXPECT_EQ(params.size(), static_cast<std::size_t>(c.model.GetParamCount())) << c.what;
    }
}

} // namespace
