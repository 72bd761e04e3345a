#include "analysis/ExponFunc.h"
#include "analysis/QuadraticFunc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Tarvik::ExponFunc;
using Tarvik::QuadraticFunc;

struct GuessCase {
    const char* what;
    std::vector<double> x, y;
    bool ok;
    double fromX, toX; // the exponential must pass through these data points
};

TEST(ExponFunc, GuessIsTheExponentialThroughTheExtremePositivePoints) {
    const std::vector<GuessCase> cases{
        {"plain", {40, 10, 30}, {3, 1, 2}, true, 10, 40},
        {"zero and negative pressures take no part", {0, 5, 20, 60, 80}, {0, -1, 2, 5, -3}, true, 20, 60},
        {"negative volumes take no part", {-10, 15, 25}, {9, 4, 8}, true, 15, 25},
        {"first point wins a tie in x", {10, 10, 30}, {1, 7, 2}, true, 10, 30},
        {"one positive point", {10, 20}, {0, 4}, false, 0, 0},
        {"no positive point", {10, 20}, {0, -4}, false, 0, 0},
        {"every positive point at one volume", {10, 10, 10}, {1, 2, 3}, false, 0, 0},
        {"no data", {}, {}, false, 0, 0},
    };
    const ExponFunc model;
    for (const auto& c : cases) {
        std::vector<double> p(2, 0.0);
        ASSERT_EQ(model.InitialGuess(c.x, c.y, p), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_TRUE(std::isnan(p[0]) && std::isnan(p[1])) << c.what;
            continue;
        }
        EXPECT_GT(p[1], 0.0) << c.what;
        for (double x : {c.fromX, c.toX}) {
            const auto i = static_cast<std::size_t>(std::find(c.x.begin(), c.x.end(), x) - c.x.begin());
            // Through a point up to the rounding of one log and one exp.
            EXPECT_NEAR(model.Value(x, p), c.y[i], 1e-12 * c.y[i]) << c.what << " at x " << x;
        }
    }
}

TEST(QuadraticFunc, GuessIsTheDownwardUnitParabolaWhateverTheData) {
    std::vector<double> p(3, 9.0);
    EXPECT_TRUE(QuadraticFunc().InitialGuess({1, 2, 3}, {4, 5, 6}, p));
    EXPECT_EQ(p, (std::vector<double>{0.0, 0.0, -1.0}));
}

// Central differences with step h have truncation error O(h^2 f''') and rounding O(eps f / h); h = 1e-5
// relative keeps both below 1e-8 relative for these smooth models.
constexpr double kDifferenceStep = 1e-5;
constexpr double kDifferenceTolerance = 1e-7;

TEST(RelationModels, GradientsMatchCentralDifferences) {
    const QuadraticFunc quadratic;
    const ExponFunc exponential;
    const std::vector<std::pair<const ExtLib::FunctionBase*, std::vector<double>>> models{
        {&quadratic, {-40.0, 3.5, -0.02}}, {&exponential, {0.015, 2.5}}};
    for (const auto& [model, params] : models) {
        for (double x : {0.0, 35.0, 120.0}) {
            std::vector<double> g(params.size());
            model->Gradient(x, params, g);
            for (std::size_t j = 0; j < params.size(); ++j) {
                auto up = params, down = params;
                const double h = kDifferenceStep * std::fabs(params[j]);
                up[j] += h;
                down[j] -= h;
                const double numeric = (model->Value(x, up) - model->Value(x, down)) / (2 * h);
                EXPECT_NEAR(g[j], numeric, kDifferenceTolerance * (1 + std::fabs(numeric)))
                    << "parameter " << j << " at x " << x;
            }
        }
    }
}

TEST(RelationModels, ValuesAreTheRelations) {
    EXPECT_EQ(QuadraticFunc().Value(10.0, {1.0, 2.0, -0.5}), 1.0 + 20.0 - 50.0);
    EXPECT_DOUBLE_EQ(ExponFunc().Value(100.0, {0.01, 3.0}), 3.0 * std::exp(1.0));
}

} // namespace
