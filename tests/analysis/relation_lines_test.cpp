#include "analysis/LineFit.h"
#include "analysis/PVRelation.h"
#include "tests/support/StrdDataset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Tarvik::IntersectRelations;
using Tarvik::LineFit;
using Tarvik::PVRelation;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Norris (36 points, x and y up to 1000) from the plain sums in double: the centred sums lose about
// one digit to cancellation, so the line agrees with the 15 certified digits to about 1e-13 relative;
// 1e-11 leaves margin.
constexpr double kNorrisTolerance = 1e-11;

TEST(LineFit, NorrisMatchesTheCertifiedLine) {
    const StrdDataset norris = ReadStrd(TARVIK_TEST_DATA_DIR "/nist/Norris.dat");
    ASSERT_EQ(norris.x.size(), 36u);
    LineFit line;
    for (std::size_t i = 0; i < norris.x.size(); ++i)
        line.Add(norris.x[i], norris.y[i]);
    double b0 = 0, b1 = 0, r2 = 0;
    ASSERT_TRUE(line.Solve(b0, b1, r2));
    EXPECT_NEAR(b0, norris.estimates[0],
                kNorrisTolerance * 1000); // the intercept is a difference of values near 1000
    EXPECT_NEAR(b1, norris.estimates[1], kNorrisTolerance * norris.estimates[1]);
    EXPECT_NEAR(r2, norris.rSquared, kNorrisTolerance);
}

TEST(LineFit, WritesNothingWithoutALine) {
    struct Case {
        const char* what;
        std::vector<std::pair<double, double>> points;
        bool ok;
    };
    const std::vector<Case> cases{
        {"no point", {}, false},
        {"one point", {{1, 2}}, false},
        {"every x equal", {{3, 1}, {3, 2}, {3, 4}}, false},
        {"every y equal", {{1, 5}, {2, 5}, {3, 5}}, false},
        {"the second point is not finite", {{1, 1}, {kNaN, 2}}, false},
        {"non-finite points take no part", {{1, 1}, {2, kInf}, {-kInf, 0}, {kNaN, kNaN}, {3, 5}}, true},
        {"sums that overflow", {{1e300, 1}, {-1e300, 2}, {1e300, 3}}, false},
    };
    for (const Case& c : cases) {
        LineFit line;
        for (const auto& [x, y] : c.points)
            line.Add(x, y);
        double b0 = 7, b1 = 7, r2 = 7;
        ASSERT_EQ(line.Solve(b0, b1, r2), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_EQ(b0, 7) << c.what;
            EXPECT_EQ(b1, 7) << c.what;
            EXPECT_EQ(r2, 7) << c.what;
        } else {
            EXPECT_DOUBLE_EQ(b1, 2.0) << c.what;
            EXPECT_DOUBLE_EQ(b0, -1.0) << c.what;
            EXPECT_DOUBLE_EQ(r2, 1.0) << c.what;
        }
    }
}

// Relations meet where their pressures agree; a root found by the secant search is good to its
// 5e-11 step tolerance times the slope difference, well inside 1e-8 for these curves.
constexpr double kMeetTolerance = 1e-8;

TEST(IntersectRelations, TwoLinesMeetInClosedForm) {
    // ESPVR P = 2.5 (V - 10), EDPVR P = 0.1 V + 2: V = 27 / 2.4.
    const auto meet = IntersectRelations(PVRelation::Line(-25, 2.5), PVRelation::Line(2, 0.1), 50);
    ASSERT_TRUE(meet);
    EXPECT_DOUBLE_EQ(meet->volume, 11.25);
    EXPECT_DOUBLE_EQ(meet->pressure, 3.125);
    EXPECT_FALSE(IntersectRelations(PVRelation::Line(-25, 2.5), PVRelation::Line(2, 2.5), 50));
}

double Bisect(const PVRelation& es, const PVRelation& ed, double lo, double hi) {
    const auto gap = [&](double v) { return es.Pressure(v) - ed.Pressure(v); };
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (gap(lo) < 0) == (gap(mid) < 0) ? lo = mid : hi = mid;
    }
    return 0.5 * (lo + hi);
}

TEST(IntersectRelations, CurvesMeetWhereBisectionFindsTheCrossing) {
    struct Case {
        const char* what;
        PVRelation es, ed;
        double vStart, lo, hi; // the crossing sought lies in [lo, hi]
    };
    // A downward parabola with its vertex at V = 60 crosses the exponential twice; the search starts
    // below the vertex and finds the crossing on the rising limb. A convex parabola has no such
    // vertex rule: its vertex at V = -50 lies below the start, but the search still starts from the
    // largest end-diastolic volume and finds the physiological crossing.
    const std::vector<Case> cases{
        {"line and exponential", PVRelation::Line(-25, 2.5), PVRelation::Exponential(1.5, 0.03), 80, 10, 30},
        {"rising limb of a parabola", PVRelation::Quadratic(-80, 6, -0.05), PVRelation::Exponential(1, 0.04),
         120, 0, 60},
        {"parabola and line", PVRelation::Quadratic(-80, 6, -0.05), PVRelation::Line(2, 0.1), 120, 0, 60},
        {"convex parabola", PVRelation::Quadratic(0, 1, 0.01), PVRelation::Line(5, 0.2), 100, 0, 50},
        {"flat quadratic", PVRelation::Quadratic(-25, 2.5, 0), PVRelation::Line(2, 0.1), 100, 0, 50},
    };
    for (const Case& c : cases) {
        const auto meet = IntersectRelations(c.es, c.ed, c.vStart);
        ASSERT_TRUE(meet) << c.what;
        const double v = meet->volume, p = meet->pressure;
        EXPECT_NEAR(v, Bisect(c.es, c.ed, c.lo, c.hi), kMeetTolerance) << c.what;
        EXPECT_NEAR(p, c.ed.Pressure(v), kMeetTolerance * (1 + std::fabs(p))) << c.what;
        EXPECT_DOUBLE_EQ(p, c.es.Pressure(v)) << c.what;
    }
}

TEST(IntersectRelations, CurvesThatNeverMeetFail) {
    // The exponential stays above the line everywhere.
    EXPECT_FALSE(IntersectRelations(PVRelation::Line(0, 0.1), PVRelation::Exponential(5, 0.01), 50));
    double root = 0;
    EXPECT_FALSE(Tarvik::SecantRoot([](double x) { return x * x + 1; }, 0.0, 1.0, root));
}

} // namespace
