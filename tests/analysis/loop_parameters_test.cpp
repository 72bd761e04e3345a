// Loop parameters by id, their scaling to display units, and the
// pressure-volume area of a loop.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/LoopComputation.h"
#include "analysis/LoopParameters.h"

namespace {

using namespace Tarvik;

TarvikEvent Loop() {
    TarvikEvent e;
    e.vMax = 150;
    e.vMin = 50;
    e.pMax = 120;
    e.pMin = 5;
    e.pes = 110;
    e.hr = 75;
    e.sw = 11000;
    e.powMax = 440;
    e.tau = 30;
    return e;
}

TEST(LoopParameters, ValuesScaleByTheUnitsTheyAreMadeOf) {
    const TarvikEvent e = Loop();
    const double p = 0.1, v = 1000.0; // e.g. mmHg -> 0.1 and ml -> ul
    struct Case {
        std::int32_t id;
        double expected;
    };
    const Case cases[] = {
        {LP_Pdev, 115 * p},    // pressure only
        {LP_CO, 100 * 75 * v}, // SV * HR: volume only
        {LP_SV, 100 * v},
        {LP_SW, 11000 * p * v}, // P x V
        {LP_PowMax, 440 * p * v},
        {LP_Ea, 110.0 / 100 * p / v}, // P / V
        {LP_HR, 75},
        {LP_Tau, 30},
        {LP_PVA, 0.0}, // read from the PVA event
        {0, 0.0},
        {30, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ScaledLoopParamValue(c.id, e, p, v), c.expected) << c.id;
    EXPECT_DOUBLE_EQ(ScaledLoopParamValue(LP_Ea, e, 7.0, 7.0), 1.1) << "equal factors leave Ea as it is";
}

TEST(LoopParameters, ALastInBlockEventHasNoValues) {
    TarvikEvent e = Loop();
    e.state = TarvikEvent::LastInBlock;
    for (std::int32_t id = LP_First; id <= LP_Last; ++id)
        EXPECT_TRUE(IsNoValue(ScaledLoopParamValue(id, e, 2.0, 3.0))) << id;
}

TEST(LoopParameters, PvaAndPeScaleLikeStrokeWork) {
    PVAEvent pva;
    pva.sw = 11000;
    pva.pva = 13750;
    pva.pe = 2750;
    const double p = 0.133, v = 0.001;
    const double sw = ScaledLoopParamValue(LP_SW, Loop(), p, v);
    EXPECT_DOUBLE_EQ(ScaledPVAParamValue(LP_PVA, pva, p, v), sw + ScaledPVAParamValue(LP_PE, pva, p, v));
    EXPECT_DOUBLE_EQ(ScaledPVAParamValue(LP_CE, pva, p, v), 11000.0 / 13750.0);
    EXPECT_EQ(ScaledPVAParamValue(LP_SW, pva, p, v), 0.0);
    pva.pva = NoValue();
    EXPECT_TRUE(IsNoValue(ScaledPVAParamValue(LP_PE, pva, p, v)));
}

TEST(LoopParameters, IntegralsAreSigned) {
    EXPECT_DOUBLE_EQ(TrapezoidArea(0, -10, 50, 110), 2500.0);
    EXPECT_DOUBLE_EQ(TrapezoidArea(50, 110, 0, -10), -2500.0);
    // a x^2 + b x + c against Simpson's rule on 10^4 intervals.
    const double a = 0.01, b = 1.7, c = -3, x0 = -20, x1 = 80;
    const int n = 10000;
    const double h = (x1 - x0) / n;
    double simpson = 0;
    for (int i = 0; i <= n; ++i) {
        const double x = x0 + i * h;
        simpson += (i == 0 || i == n ? 1 : i % 2 ? 4 : 2) * (a * x * x + b * x + c);
    }
    simpson *= h / 3;
    EXPECT_NEAR(IntegrateQuadratic(x0, x1, a, b, c), simpson, 1e-9 * std::abs(simpson));
}

// The rectangle loop V 50..150, P 0..110 (counter-clockwise), as the analyser measures it.
TarvikEvent RectangleLoop() {
    std::vector<float> p, v;
    for (int i = 0; i < 25; ++i) {
        v.push_back(150), p.push_back(static_cast<float>(i * 4.4));
    }
    for (int i = 0; i < 25; ++i) {
        v.push_back(static_cast<float>(150 - i * 4)), p.push_back(110);
    }
    for (int i = 0; i < 25; ++i) {
        v.push_back(50), p.push_back(static_cast<float>(110 - i * 4.4));
    }
    for (int i = 0; i < 25; ++i) {
        v.push_back(static_cast<float>(50 + i * 4)), p.push_back(0);
    }
    TarvikEvent loop;
    LoopComputation::Compute(loop, p, v, 100, 0.001);
    return loop;
}

TEST(LoopParameters, PressureVolumeAreaOfARectangleLoop) {
    const TarvikEvent loop = RectangleLoop();
    ASSERT_NEAR(loop.sw, 11000, 1e-6);
    ASSERT_EQ(loop.ves, 50);
    ASSERT_NEAR(loop.pes, 110, 1e-6);
    struct Case {
        const char* what;
        std::int32_t espvr, edpvr;
        std::vector<double> espvrTerms, edpvrTerms;
        double pi, vi, pva;
    };
    // With linear relations through V0 = 0 and a zero diastolic pressure, PE = Pes (Ves - V0) / 2.
    const Case cases[] = {
        {"linear", 0, 0, {0, 0, 0}, {0, 0}, 0, 0, 11000 + 0.5 * 110 * 50},
        {"quadratic along the chord", 1, 0, {0, 2.2, 0}, {0, 0}, 0, 0, 13750},
        {"quadratic below the chord",
         1,
         0,
         {0, 1.7, 0.01},
         {0, 0},
         0,
         0,
         13750 - (2750 - 2541.6666666666667)},
        {"a negative intersect pressure", 1, 0, {-10, 2.4, 0}, {0, 0}, -10, 0, 14250}, // the polygon's area
        {"exponential, flat (k = 0)", 0, 1, {0, 0, 0}, {1, 0}, 0, 0, 13750 - 150},
    };
    for (const Case& c : cases) {
        PVAEvent pva;
        FillPVAEvent(pva, loop, c.espvr, c.edpvr, c.espvrTerms, c.edpvrTerms, c.pi, c.vi);
        EXPECT_NEAR(pva.pva, c.pva, 1e-6 * c.pva) << c.what;
        EXPECT_NEAR(pva.pe, pva.pva - loop.sw, 1e-9) << c.what;
        EXPECT_EQ(pva.sw, loop.sw);
    }
}

TEST(LoopParameters, ALastInBlockLoopHasNoPressureVolumeArea) {
    TarvikEvent loop = RectangleLoop();
    loop.state = TarvikEvent::LastInBlock;
    PVAEvent pva;
    FillPVAEvent(pva, loop, 0, 0, {0, 0, 0}, {0, 0}, 0, 0);
    EXPECT_TRUE(IsNoValue(pva.pva));
    EXPECT_TRUE(IsNoValue(pva.pe));
    EXPECT_EQ(pva.sw, loop.sw);
}

} // namespace
