// The haemodynamic values of one cycle against worked examples.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/LoopComputation.h"

namespace {

using Tarvik::LoopComputation;
using Tarvik::TarvikEvent;

struct Cycle {
    std::vector<float> p, v;
    void Add(double volume, double pressure) {
        v.push_back(static_cast<float>(volume));
        p.push_back(static_cast<float>(pressure));
    }
};

// A rectangle in the (V, P) plane, `side` samples per edge, corners on samples. Counter-clockwise
// (the physiological direction, V horizontal): up at Vmax, left at Pmax, down at Vmin, right at Pmin.
Cycle Rectangle(double vMin, double vMax, double pMin, double pMax, int side, bool counterClockwise = true) {
    Cycle c;
    const double dv = (vMax - vMin) / side, dp = (pMax - pMin) / side;
    for (int i = 0; i < side; ++i)
        c.Add(vMax, pMin + i * dp);
    for (int i = 0; i < side; ++i)
        c.Add(vMax - i * dv, pMax);
    for (int i = 0; i < side; ++i)
        c.Add(vMin, pMax - i * dp);
    for (int i = 0; i < side; ++i)
        c.Add(vMin + i * dv, pMin);
    if (!counterClockwise) {
        std::reverse(c.p.begin() + 1, c.p.end());
        std::reverse(c.v.begin() + 1, c.v.end());
    }
    return c;
}

TarvikEvent Analyse(const Cycle& c, double dt = 0.001, double start = 1000.0, double next = -1.0) {
    TarvikEvent out;
    out.SetPosition(start);
    out.loopStartTick = out.tick;
    LoopComputation::Compute(out, c.p, c.v, next < 0 ? start + static_cast<double>(c.p.size()) : next, dt);
    return out;
}

TEST(LoopValues, ARectangleLoopGivesStrokeWorkWithTheSignOfItsDirection) {
    const Cycle ccw = Rectangle(50, 150, 10, 110, 25);
    const TarvikEvent loop = Analyse(ccw);
    EXPECT_DOUBLE_EQ(loop.sw, 100.0 * 100.0);
    EXPECT_DOUBLE_EQ(Analyse(Rectangle(50, 150, 10, 110, 25, false)).sw, -100.0 * 100.0);

    EXPECT_EQ(loop.vMax, 150.0);
    EXPECT_EQ(loop.vMin, 50.0);
    EXPECT_EQ(loop.pMax, 110.0);
    EXPECT_EQ(loop.pMin, 10.0);
    EXPECT_EQ(loop.ped, 10.0);
    EXPECT_EQ(loop.ved, 150.0);
    // End-systole, the first maximum of P / V: the top-left corner.
    EXPECT_EQ(loop.pes, 110.0);
    EXPECT_EQ(loop.ves, 50.0);
    EXPECT_EQ(loop.endSystoleIndex, 50);
    EXPECT_EQ(loop.endSystoleTick, 1050);
}

TEST(LoopValues, ASampledEllipseApproachesPiAB) {
    const double a = 40.0, b = 60.0;
    for (int n : {16, 100, 1000}) {
        Cycle c;
        for (int k = 0; k < n; ++k) {
            const double theta = 2 * std::numbers::pi * k / n;
            c.Add(100 + a * std::cos(theta), 70 + b * std::sin(theta));
        }
        // The inscribed n-gon has area (n / 2) a b sin(2 pi / n) = pi a b (1 - O(1 / n^2)).
        const double polygon = n / 2.0 * a * b * std::sin(2 * std::numbers::pi / n);
        const TarvikEvent loop = Analyse(c);
        EXPECT_NEAR(loop.sw, polygon, 1e-5 * polygon) << n; // float samples
        EXPECT_NEAR(loop.sw, std::numbers::pi * a * b, 7.0 * std::numbers::pi * a * b / (n * n)) << n;
    }
}

TEST(LoopValues, APureExponentialDecayGivesItsTimeConstant) {
    const double dt = 0.001, tau = 0.035, ped = 8.0;
    Cycle c;
    for (int i = 0; i < 40; ++i)
        c.Add(120, ped + i * 2.5); // upstroke
    for (int i = 0; i < 100; ++i)
        c.Add(120 - i * 0.5, 105); // ejection plateau
    for (int i = 0; i < 250; ++i)
        c.Add(70, 105 * std::exp(-i * dt / tau)); // isovolumic relaxation, asymptote 0
    for (int i = 0; i < 60; ++i)
        c.Add(70 + i, ped * 0.5);
    const TarvikEvent loop = Analyse(c, dt);
    EXPECT_NEAR(loop.tau, 1000.0 * tau, 1e-4 * 1000.0 * tau);
}

TEST(LoopValues, AFailedDecayFitLeavesTauMissing) {
    Cycle c;
    for (int i = 0; i <= 8; ++i)
        c.Add(120, 8 + i * 24); // up to 200
    c.Add(100, 50);             // the steepest fall opens the window
    for (int i = 0; i < 11; ++i)
        c.Add(90, i % 2 ? 50 : 150); // no decay to fit
    c.Add(80, 5);
    EXPECT_TRUE(IsNoValue(Analyse(c).tau));
}

TEST(LoopValues, HeartRateIsSixtyOverTheCycleLength) {
    const Cycle c = Rectangle(50, 150, 10, 110, 25);
    EXPECT_DOUBLE_EQ(Analyse(c, 0.001, 1000.0, 1800.0).hr, 75.0);   // RR 0.8 s
    EXPECT_DOUBLE_EQ(Analyse(c, 0.002, 1000.25, 1500.25).hr, 60.0); // RR 1 s, fractions of ticks
    const TarvikEvent noPeriod = Analyse(c, 0.0);
    EXPECT_TRUE(IsNoValue(noPeriod.hr));
    EXPECT_EQ(noPeriod.state, TarvikEvent::Valid);
    EXPECT_EQ(noPeriod.dPdtMax, 0.0);
    EXPECT_EQ(noPeriod.powMax, 0.0);
    EXPECT_TRUE(IsNoValue(noPeriod.tau));
}

TEST(LoopValues, DerivativesAndPowerArePerSecondAndPowerIsEjection) {
    const double dt = 0.001;
    const TarvikEvent loop = Analyse(Rectangle(50, 150, 10, 110, 25), dt);
    EXPECT_FLOAT_EQ(loop.dPdtMax, 4.0 / dt); // 100 mmHg in 25 steps
    EXPECT_FLOAT_EQ(loop.dPdtMin, -4.0 / dt);
    EXPECT_FLOAT_EQ(loop.dVdtMax, 4.0 / dt);
    EXPECT_FLOAT_EQ(loop.dVdtMin, -4.0 / dt);
    // Ejection: V falls by 4 a tick at 110.
    EXPECT_NEAR(loop.powMax, 110.0 * 4.0 / dt, 1e-3);
    EXPECT_EQ(loop.vAtDPdtMax, 150.0);
    EXPECT_DOUBLE_EQ(loop.ef, 100.0 * 100.0 / 150.0);
}

TEST(LoopValues, OneAndTwoSampleCycles) {
    Cycle one;
    one.Add(120, 9);
    const TarvikEvent a = Analyse(one);
    EXPECT_EQ(a.dPdtMax, 0.0);
    EXPECT_EQ(a.dPdtMin, 0.0);
    EXPECT_EQ(a.dVdtMax, 0.0);
    EXPECT_EQ(a.dVdtMin, 0.0);
    EXPECT_EQ(a.powMax, 0.0);
    EXPECT_EQ(a.pMean, 9.0);
    EXPECT_EQ(a.ped, 9.0);
    EXPECT_EQ(a.sw, 0.0);
    EXPECT_EQ(a.ef, 0.0);
    EXPECT_TRUE(IsNoValue(a.tau));

    Cycle two = one;
    two.Add(100, 30);
    const TarvikEvent b = Analyse(two);
    EXPECT_EQ(b.dPdtMax, 0.0);
    EXPECT_EQ(b.pMean, 19.5);
    EXPECT_EQ(b.sw, 0.0);
    EXPECT_EQ(b.vMax - b.vMin, 20.0);
    EXPECT_TRUE(IsNoValue(b.tau));
}

TEST(LoopValues, AnEmptyCycleLeavesEveryValueMissing) {
    const TarvikEvent loop = Analyse(Cycle{});
    EXPECT_EQ(loop.state, TarvikEvent::Valid);
    for (double v :
         {loop.vMax,       loop.vMin,       loop.pMax,       loop.pMin,    loop.pMean,   loop.ved,
          loop.ped,        loop.sw,         loop.ves,        loop.pes,     loop.hr,      loop.powMax,
          loop.ef,         loop.dPdtMax,    loop.dPdtMin,    loop.dVdtMax, loop.dVdtMin, loop.vAtDPdtMax,
          loop.vAtDPdtMin, loop.pAtDVdtMax, loop.pAtDPdtMax, loop.tau})
        EXPECT_TRUE(IsNoValue(v));
}

TEST(LoopValues, NaNSamplesGiveMissingValuesNotGarbage) {
    Cycle c;
    for (int i = 0; i < 20; ++i)
        c.Add(std::nan(""), std::nan(""));
    const TarvikEvent loop = Analyse(c);
    for (double v : {loop.vMax, loop.pMax, loop.pMean, loop.sw, loop.pes, loop.ef, loop.dPdtMax, loop.tau})
        EXPECT_TRUE(IsNoValue(v));
    EXPECT_DOUBLE_EQ(loop.hr, 60.0 / 0.02);
}

TEST(LoopValues, ConstantVolumeGivesZeroEjectionFraction) {
    Cycle c;
    for (int i = 0; i < 30; ++i)
        c.Add(80, 10 + 3 * std::sin(i * 0.3));
    const TarvikEvent loop = Analyse(c);
    EXPECT_EQ(loop.vMax - loop.vMin, 0.0);
    EXPECT_EQ(loop.ef, 0.0);
    EXPECT_EQ(loop.sw, 0.0);
}

TEST(LoopValues, EndSystoleIsTheFirstOfEqualRatios) {
    Cycle c;
    c.Add(100, 10);
    c.Add(50, 100); // ratio 2
    c.Add(40, 80);  // ratio 2 again
    c.Add(60, 20);
    EXPECT_EQ(Analyse(c).endSystoleIndex, 1);
}

} // namespace
