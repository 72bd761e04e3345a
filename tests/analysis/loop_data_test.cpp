#include "analysis/ExponFunc.h"
#include "analysis/FitFunction.h"
#include "analysis/LoopParameters.h"
#include "analysis/PVRelation.h"
#include "analysis/TarvikData.h"
#include "tests/support/FakeLoopHost.h"
#include "tests/support/StrdDataset.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

using FakeLoopHost::Document;
using FakeLoopHost::HostData;
using FakeLoopHost::kLoopChannel;
using FakeLoopHost::LastInBlock;
using FakeLoopHost::LoopValues;
using FakeLoopHost::MakeLoop;
using Tarvik::TarvikData;
using Tarvik::TarvikEvent;

constexpr std::uint32_t V = TarvikEvent::Valid, M = TarvikEvent::Marked, L = TarvikEvent::LastInBlock;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The loop data of a document whose host holds the loop events of each record; Analyse reads them as
// the document does after an analysis.
class LoopDataTest : public testing::Test {
protected:
    void SetUp() override { data->GetVChanData().DefineChannels(); }
    void TearDown() override {
        data->Release();
        EXPECT_EQ(host.references, 1u) << "references handed out and not released";
        EXPECT_TRUE(host.ChannelObjectsReleased());
    }

    // records[r]: the events of record r (each record gets its trailing event appended).
    void Analyse(const std::vector<std::vector<TarvikEvent>>& records) {
        data->ResetRanges();
        for (std::size_t r = 0; r < records.size(); ++r) {
            std::vector<TarvikEvent> events = records[r];
            events.push_back(LastInBlock(events.empty() ? 0 : events.back().tick + 100));
            const auto record = static_cast<std::int32_t>(r);
            host.SetEvents(kLoopChannel, record, events);
            ASSERT_TRUE(data->OpenEventSource(record, 0, kLoopChannel, kEventSourceVirtual));
            ASSERT_EQ(data->ReadRecordEvents(INT32_MAX), static_cast<std::int32_t>(events.size()));
        }
        data->Recalculate();
    }

    HostData host;
    Document document{&host};
    TarvikData* data = new TarvikData(document);
};

// Loops at ticks 0, 100, ... of one record, from (Ved, Ped, Ves, Pes, state).
std::vector<TarvikEvent> Loops(const std::vector<LoopValues>& values, std::int32_t firstTick = 0) {
    std::vector<TarvikEvent> loops;
    for (LoopValues v : values) {
        v.tick = firstTick + 100 * static_cast<std::int32_t>(loops.size());
        loops.push_back(MakeLoop(v));
    }
    return loops;
}

TEST_F(LoopDataTest, BeforeAnAnalysisNothingIsThere) {
    EXPECT_EQ(data->GetLoopPosition(0), TickPosition::None());
    const TarvikData::PlotRanges prsw = data->GetPRSWPlotRanges();
    EXPECT_FALSE(prsw.drawable);
    EXPECT_EQ(prsw.y.minimum, FLT_MAX);
    EXPECT_EQ(prsw.y.maximum, -FLT_MAX);
    double b = 0, a = 0, r = 0, p = 0, v = 0;
    EXPECT_FALSE(data->FitPRSWLine(b, a, r));
    EXPECT_FALSE(data->FitLinearESPVR(b, a, r));
    std::vector<double> terms;
    EXPECT_FALSE(data->FitQuadraticRelation(terms, &r, true));
    EXPECT_FALSE(data->FitExponentialRelation(&a, &b, &r, true));
    EXPECT_FALSE(data->FitPressureVolumeRelations(p, v));
    EXPECT_FALSE(data->HasEnoughLoops());
    EXPECT_EQ(data->UsableToIncludedIndex(0), -1);
}

TEST_F(LoopDataTest, ExtentsCoverTheLoopsButNotTheTrailingEvents) {
    std::vector<TarvikEvent> record = Loops({{0, 100, 5, 40, 90, V}, {0, 120, 8, 60, 110, M}});
    TarvikEvent trailing = MakeLoop({0, 900, 900, 900, 900, L});
    record.push_back(trailing);
    Analyse({record});
    const TarvikData::Extents& x = data->GetExtents();
    EXPECT_EQ(x.ved.minimum, 100.0f);
    EXPECT_EQ(x.ved.maximum, 120.0f);
    EXPECT_EQ(x.pressure.maximum, 110.0f);
    EXPECT_EQ(x.pressure.minimum, 5.0f);
    // The marked loop widens the end-systolic volume but not its maximum over the valid loops.
    EXPECT_EQ(x.ves.maximum, 60.0f);
    EXPECT_EQ(x.validVes.maximum, 40.0f);
    const TarvikData::PlotRanges prsw = data->GetPRSWPlotRanges();
    EXPECT_TRUE(prsw.drawable);
    EXPECT_EQ(prsw.y.minimum, (100 - 40) * (90 - 5));
    EXPECT_EQ(prsw.y.maximum, (120 - 60) * (110 - 8));
    EXPECT_EQ(data->GetVChanData().GetStats()->total(), 4);
}

// Norris's certified line through (Ved, SW) of loops spread over three records, among marked loops,
// a loop without stroke work and trailing events, none of which may take part. Every value is rounded
// to single precision first: each moves by up to 2^-24 of its size (6e-5 near 1000), which moves the
// line by about that much at the data's centre and the slope by that over the spread of x (about 300):
// the intercept agrees to 6e-5 absolute, the slope to 2e-7 relative and r^2 to 1e-9.
TEST_F(LoopDataTest, PRSWLineMatchesTheCertifiedNorrisLine) {
    const StrdDataset norris = ReadStrd(TARVIK_TEST_DATA_DIR "/nist/Norris.dat");
    std::vector<std::vector<TarvikEvent>> records(3);
    for (std::size_t i = 0; i < norris.x.size(); ++i) {
        std::vector<TarvikEvent>& record = records[i % 3];
        TarvikEvent loop =
            MakeLoop({static_cast<std::int32_t>(100 * record.size()), norris.x[i], 5, 40, 90, V});
        loop.sw = norris.y[i];
        record.push_back(loop);
        if (i % 7 == 0) {
            TarvikEvent marked = MakeLoop({loop.tick + 50, 5000, 5, 40, 90, M});
            record.push_back(marked);
        }
    }
    TarvikEvent noWork = MakeLoop({5000, 300, 5, 40, 90, V});
    noWork.sw = kNaN;
    records[1].push_back(noWork);
    Analyse(records);
    double b0 = 0, b1 = 0, r2 = 0;
    ASSERT_TRUE(data->FitPRSWLine(b0, b1, r2));
    EXPECT_NEAR(b0, norris.estimates[0], 6e-5);
    EXPECT_NEAR(b1, norris.estimates[1], 2e-7 * norris.estimates[1]);
    EXPECT_NEAR(r2, norris.rSquared, 1e-9);
}

// Each line takes its own pair of values: loop k has Ved = 60 + 5k and every other value on a line of
// Ved with its own intercept and slope, so that each fit recovers exactly its line.
TEST_F(LoopDataTest, EachStraightLineFitsItsOwnPairOfValues) {
    std::vector<TarvikEvent> record, uncorrected;
    std::vector<Tarvik::PVAEvent> pva;
    for (int k = 0; k < 8; ++k) {
        const double ved = 60 + 5 * k, ves = 0.5 * ved - 4;
        TarvikEvent loop = MakeLoop({100 * k, ved, 0.25 * ved + 1, ves, 3 * ves - 20, k == 3 ? M : V});
        loop.sw = 2 * ved + 1;
        loop.dPdtMax = 30 * ved - 200;
        record.push_back(loop);
        TarvikEvent without = loop;
        without.ves = 0.75 * ved + 2;
        uncorrected.push_back(without);
        Tarvik::PVAEvent e;
        e.tick = loop.tick;
        e.pva = 4 * ved + 3;
        pva.push_back(e);
    }
    uncorrected.push_back(LastInBlock(800));
    pva.push_back(Tarvik::PVAEvent{});
    host.SetEvents(FakeLoopHost::kLoopWithoutVPChannel, 0, uncorrected);
    host.SetEvents(FakeLoopHost::kPvaChannel, 0, pva);
    Analyse({record});
    // PVA = 4 Ved + 3 and Pes = 1.5 Ved - 32, so PVA = (8 / 3) Pes + 3 + 256 / 3.
    struct Case {
        const char* what;
        bool (*fit)(TarvikData&, double&, double&, double&);
        double intercept, slope;
    };
    using D = TarvikData;
    const std::vector<Case> cases{
        {"PRSW", [](D& d, double& b, double& a, double& r) { return d.FitPRSWLine(b, a, r); }, 1, 2},
        {"dP/dt max", [](D& d, double& b, double& a, double& r) { return d.FitdPdtMaxEDVLine(b, a, r); },
         -200, 30},
        {"saline", [](D& d, double& b, double& a, double& r) { return d.FitSalineLine(b, a, r); }, 2, 0.75},
        {"EDPVR", [](D& d, double& b, double& a, double& r) { return d.FitLinearEDPVR(b, a, r); }, 1, 0.25},
        {"ESPVR", [](D& d, double& b, double& a, double& r) { return d.FitLinearESPVR(b, a, r); }, -20, 3},
    };
    // Values near 100 rounded to single precision: a line good to 1e-5 relative.
    constexpr double kRounding = 1e-5;
    for (const Case& c : cases) {
        double b = 0, a = 0, r2 = 0;
        ASSERT_TRUE(c.fit(*data, b, a, r2)) << c.what;
        EXPECT_NEAR(a, c.slope, kRounding * std::fabs(c.slope)) << c.what;
        EXPECT_NEAR(b, c.intercept, kRounding * 300) << c.what;
        EXPECT_NEAR(r2, 1.0, kRounding) << c.what;
    }
    double b = 0, a = 0, r2 = 0;
    ASSERT_TRUE(data->FitPVALine(&TarvikData::LoopVed, b, a, r2));
    EXPECT_NEAR(a, 4, kRounding * 4);
    ASSERT_TRUE(data->FitPVALine(&TarvikData::LoopPes, b, a, r2));
    EXPECT_NEAR(a, 8.0 / 3, kRounding * 3);
    EXPECT_NEAR(b, 3 + 256.0 / 3, kRounding * 300);
}

// Every x alike, or every y alike, has no line: the lines answer false rather than a NaN or infinite
// slope, and a single usable loop among marked ones has none either.
TEST_F(LoopDataTest, LinesWithoutSpreadFail) {
    Analyse({Loops({{0, 100, 5, 40, 90, V}, {0, 100, 8, 40, 95, V}, {0, 100, 9, 40, 99, V}})});
    double b = 0, a = 0, r2 = 0;
    EXPECT_FALSE(data->FitPRSWLine(b, a, r2));
    EXPECT_FALSE(data->FitdPdtMaxEDVLine(b, a, r2));
    EXPECT_FALSE(data->FitLinearESPVR(b, a, r2));
    EXPECT_FALSE(data->FitLinearEDPVR(b, a, r2));
    EXPECT_EQ(b, 0.0);
}

TEST_F(LoopDataTest, OneUsableLoopHasNoLine) {
    Analyse({Loops({{0, 100, 5, 40, 90, V}, {0, 110, 8, 45, 95, M}, {0, 120, 9, 50, 99, M}})});
    double b = 0, a = 0, r2 = 0;
    EXPECT_FALSE(data->FitPRSWLine(b, a, r2));
    EXPECT_FALSE(data->FitLinearESPVR(b, a, r2));
}

// An occlusion: end-diastolic volumes falling from 120 to 75, end-systolic points on the linear
// ESPVR P = Ees (V - V0) and end-diastolic points on the exponential EDPVR P = A e^(k V).
constexpr double kEes = 2.5, kV0 = 10, kA = 1.5, kK = 0.03;

std::vector<TarvikEvent> Occlusion(int loops, double (*espvr)(double)) {
    std::vector<LoopValues> values;
    for (int i = 0; i < loops; ++i) {
        const double ved = 120 - 5 * i, ves = ved - 45 + i;
        values.push_back({0, ved, kA * std::exp(kK * ved), ves, espvr(ves), V});
    }
    return Loops(values);
}

double LinearEspvr(double v) {
    return kEes * (v - kV0);
}

// P = -40 + 3.5 V - 0.012 V^2, falling below its line at large volumes.
constexpr double kQ0 = -40, kQ1 = 3.5, kQ2 = -0.012;
double QuadraticEspvr(double v) {
    return kQ0 + kQ1 * v + kQ2 * v * v;
}

// Noise-free data leave Levenberg-Marquardt a zero-residual problem, on which it converges
// quadratically: it stops within its relative step tolerance xtol = 1e-8 of the solution, in practice
// far closer. The lines see values rounded to single precision (1e-7 relative).
constexpr double kFitTolerance = 1e-8;
constexpr double kRoundedTolerance = 1e-6;

TEST_F(LoopDataTest, FitsRecoverTheRelationsOfNoiseFreeLoops) {
    Analyse({Occlusion(10, LinearEspvr)});
    double b = 0, a = 0, r2 = 0;
    ASSERT_TRUE(data->FitLinearESPVR(b, a, r2));
    EXPECT_NEAR(a, kEes, kRoundedTolerance * kEes);
    EXPECT_NEAR(-b / a, kV0, kRoundedTolerance * 100);
    double amplitude = 0, rate = 0;
    ASSERT_TRUE(data->FitExponentialRelation(&amplitude, &rate, &r2, true));
    EXPECT_NEAR(amplitude, kA, kFitTolerance * kA);
    EXPECT_NEAR(rate, kK, kFitTolerance * kK);
    EXPECT_NEAR(r2, 1.0, 1e-12);
}

TEST_F(LoopDataTest, QuadraticFitRecoversItsThreeTerms) {
    Analyse({Occlusion(6, QuadraticEspvr)});
    std::vector<double> p;
    double r2 = 0;
    ASSERT_TRUE(data->FitQuadraticRelation(p, &r2, true));
    ASSERT_EQ(p.size(), 3u);
    EXPECT_NEAR(p[0], kQ0, kFitTolerance * 100);
    EXPECT_NEAR(p[1], kQ1, kFitTolerance * kQ1);
    EXPECT_NEAR(p[2], kQ2, kFitTolerance * std::fabs(kQ2));
    EXPECT_NEAR(r2, 1.0, 1e-12);
}

// Display units: V' = sV (V + oV), P' = sP P. The exponential in display units is
// P' = sP A e^(-k oV) e^((k / sV) V').
TEST_F(LoopDataTest, FitsInDisplayUnitsUseTheChannelScaling) {
    const double sV = 1e-3, oV = 5, sP = 0.133322;
    document.scaling[document.volumeChannel] = {oV, sV};
    document.scaling[document.pressureChannel] = {0.0, sP};
    Analyse({Occlusion(10, LinearEspvr)});
    double amplitude = 0, rate = 0;
    ASSERT_TRUE(data->FitExponentialRelation(&amplitude, &rate, nullptr, false));
    EXPECT_NEAR(rate, kK / sV, kFitTolerance * kK / sV);
    const double expected = sP * kA * std::exp(-kK * oV);
    EXPECT_NEAR(amplitude, expected, kFitTolerance * expected);
}

TEST_F(LoopDataTest, TheRelationsMeetWhereBothHoldAndTheAnswerIsKept) {
    Analyse({Occlusion(10, LinearEspvr)});
    document.edpvrType = 1;
    double p = 0, v = 0;
    ASSERT_TRUE(data->FitPressureVolumeRelations(p, v));
    EXPECT_NEAR(p, LinearEspvr(v), 1e-5);
    EXPECT_NEAR(p, kA * std::exp(kK * v), 1e-5);
    EXPECT_GT(v, kV0);
    EXPECT_LT(v, 30.0);
    const int reads = host.NextCalls() + host.opens;
    double p2 = 0, v2 = 0;
    ASSERT_TRUE(data->FitPressureVolumeRelations(p2, v2));
    EXPECT_EQ(host.NextCalls() + host.opens, reads) << "the cached intersection reads no loop";
    EXPECT_EQ(p2, p);
    EXPECT_EQ(v2, v);
}

TEST_F(LoopDataTest, AQuadraticESPVRMeetsTheExponentialOnItsRisingLimb) {
    Analyse({Occlusion(6, QuadraticEspvr)});
    document.espvrType = 1;
    document.edpvrType = 1;
    double p = 0, v = 0;
    ASSERT_TRUE(data->FitPressureVolumeRelations(p, v));
    EXPECT_NEAR(p, QuadraticEspvr(v), 1e-5);
    EXPECT_NEAR(p, kA * std::exp(kK * v), 1e-5);
    EXPECT_LT(v, -kQ1 / (2 * kQ2));
}

TEST_F(LoopDataTest, IntersectionFailuresLeaveNothingCached) {
    // ESPVR and EDPVR parallel: P = 2 V - 50 and P = 2 V - 150.
    std::vector<LoopValues> values;
    for (int i = 0; i < 4; ++i)
        values.push_back(
            {0, 100.0 + 10 * i, 2 * (100.0 + 10 * i) - 150, 40.0 + 10 * i, 2 * (40.0 + 10 * i) - 50, V});
    Analyse({Loops(values)});
    double p = 0, v = 0;
    EXPECT_FALSE(data->FitPressureVolumeRelations(p, v));
    document.edpvrType = 5; // no such relation
    EXPECT_FALSE(data->FitPressureVolumeRelations(p, v));
    document.edpvrType = 0;
    document.espvrType = 2;
    EXPECT_FALSE(data->FitPressureVolumeRelations(p, v));
    // Nothing was cached: a relation that does meet is computed on the next call.
    document.espvrType = 0;
    document.edpvrType = 1;
    EXPECT_TRUE(data->FitPressureVolumeRelations(p, v));
}

TEST_F(LoopDataTest, RecalculatingForgetsTheIntersection) {
    Analyse({Occlusion(10, LinearEspvr)});
    double p = 0, v = 0;
    document.edpvrType = 1;
    ASSERT_TRUE(data->FitPressureVolumeRelations(p, v));
    data->Recalculate();
    document.edpvrType = 0;
    double p2 = 0, v2 = 0;
    ASSERT_TRUE(data->FitPressureVolumeRelations(p2, v2));
    EXPECT_NE(v2, v);
}

// With two usable loops the exponential has no degrees of freedom left for its statistics: it still
// fits (r^2 not written) and the intersection is found.
TEST_F(LoopDataTest, TwoLoopsFitAnExponentialWithoutStatistics) {
    Analyse({Occlusion(2, LinearEspvr)});
    double amplitude = 0, rate = 0, r2 = -7;
    ASSERT_TRUE(data->FitExponentialRelation(&amplitude, &rate, &r2, true));
    EXPECT_EQ(r2, -7);
    EXPECT_NEAR(rate, kK, kFitTolerance * kK);
    document.edpvrType = 1;
    double p = 0, v = 0;
    EXPECT_TRUE(data->FitPressureVolumeRelations(p, v));
    EXPECT_TRUE(data->HasEnoughLoops());
    document.espvrType = 1;
    EXPECT_FALSE(data->HasEnoughLoops());
}

TEST_F(LoopDataTest, ExponentialGuessUsesOnlyPositivePressures) {
    struct Case {
        const char* what;
        std::vector<double> peds; // at volumes 60, 70, ...
        bool ok;
    };
    const std::vector<Case> cases{
        {"a loop at zero pressure takes part in the fit only",
         {0.0, kA * std::exp(kK * 70), kA * std::exp(kK * 80), kA * std::exp(kK * 90)},
         true},
        {"one positive pressure is too few", {0.0, -1.0, 2.0}, false},
        {"no positive pressure", {0.0, -1.0, -2.0}, false},
    };
    for (const Case& c : cases) {
        std::vector<LoopValues> values;
        for (std::size_t i = 0; i < c.peds.size(); ++i)
            values.push_back({0, 60.0 + 10 * static_cast<double>(i), c.peds[i], 30, 60, V});
        TarvikData* fresh = new TarvikData(document);
        fresh->GetVChanData().DefineChannels();
        std::vector<TarvikEvent> record = Loops(values);
        record.push_back(LastInBlock(1000));
        host.SetEvents(kLoopChannel, 0, record);
        ASSERT_TRUE(fresh->OpenEventSource(0, 0, kLoopChannel, kEventSourceVirtual));
        fresh->ReadRecordEvents(INT32_MAX);
        double amplitude = 0, rate = 0;
        EXPECT_EQ(fresh->FitExponentialRelation(&amplitude, &rate, nullptr, true), c.ok) << c.what;
        if (c.ok) {
            EXPECT_GT(amplitude, 0.0) << c.what;
        }
        fresh->Release();
    }
}

TEST_F(LoopDataTest, ANegativeAmplitudeFailsButIsStillWritten) {
    // The smallest and the largest volume lie on P = 0.1 e^(0.03 V), which gives the start; the loops
    // between lie on P = -2 e^(0.03 V), so the best exponential has a negative amplitude.
    std::vector<LoopValues> values{{0, 60, 0.1 * std::exp(1.8), 30, 60, V}};
    for (int i = 0; i < 5; ++i)
        values.push_back({0, 70.0 + 10 * i, -2 * std::exp(0.03 * (70 + 10 * i)), 30, 60, V});
    values.push_back({0, 120, 0.1 * std::exp(3.6), 30, 60, V});
    std::vector<double> x, y, p;
    for (const LoopValues& v : values) {
        x.push_back(v.ved);
        y.push_back(v.ped);
    }
    ASSERT_TRUE(ExtLib::FitFunction(Tarvik::ExponFunc(), x, y, p)) << "the minimiser itself converges";
    Analyse({Loops(values)});
    double amplitude = 0, rate = 0;
    EXPECT_FALSE(data->FitExponentialRelation(&amplitude, &rate, nullptr, true));
    EXPECT_EQ(amplitude, p[1]);
    EXPECT_EQ(rate, p[0]);
    EXPECT_LT(amplitude, -1.0);
    EXPECT_GT(rate, 0.0);
}

// Three records of two loops each (ticks 1000 r and 1000 r + 100, Ved 100 + 10 i for included loop i),
// each followed by its trailing event.
std::vector<std::vector<TarvikEvent>> ThreeRecords(std::uint32_t secondState = V) {
    std::vector<std::vector<TarvikEvent>> records;
    for (int r = 0; r < 3; ++r) {
        std::vector<LoopValues> values;
        for (int k = 0; k < 2; ++k) {
            const double ved = 100 + 10 * (2 * r + k);
            values.push_back({0, ved, ved / 10, ved - 50, ved / 2, r == 1 && k == 1 ? secondState : V});
        }
        records.push_back(Loops(values, 1000 * r));
    }
    return records;
}

std::vector<float> Points(const float* values, std::int32_t count) {
    return values ? std::vector<float>(values, values + count) : std::vector<float>{};
}

// The end-diastolic and end-systolic points walk the same loops, each at its own position, in every
// record (a walk by global index would stop short of the last records' loops).
TEST_F(LoopDataTest, LoopPointsComeFromEveryRecord) {
    Analyse(ThreeRecords(M));
    std::int32_t count = 0, flag = 1;
    const float *volumes = nullptr, *pressures = nullptr;
    COLORREF colour = 0;
    data->GetAnalysisPlotPoints(Tarvik::kEndDiastolicPoints, count, volumes, pressures, flag, colour);
    EXPECT_EQ(Points(volumes, count), (std::vector<float>{100, 110, 120, 140, 150}));
    EXPECT_EQ(Points(pressures, count), (std::vector<float>{10, 11, 12, 14, 15}));
    EXPECT_EQ(colour, 0xFFCE0Cu);
    EXPECT_EQ(flag, 0);
    data->GetAnalysisPlotPoints(Tarvik::kEndSystolicPoints, count, volumes, pressures, flag, colour);
    EXPECT_EQ(Points(volumes, count), (std::vector<float>{50, 60, 70, 90, 100}));
    EXPECT_EQ(Points(pressures, count), (std::vector<float>{50, 55, 60, 70, 75}));
    EXPECT_EQ(colour, 0xFFu);
    // Only loops that start before the trace limit.
    data->SetTraceLimit({1, 1050});
    data->GetAnalysisPlotPoints(Tarvik::kEndSystolicPoints, count, volumes, pressures, flag, colour);
    EXPECT_EQ(Points(volumes, count), (std::vector<float>{50, 60, 70}));
    data->GetAnalysisPlotPoints(16, count, volumes, pressures, flag, colour);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(volumes, nullptr);
}

TEST_F(LoopDataTest, LoopTracesAreTheSamplesFromLoopStartToTheNextEvent) {
    Analyse(ThreeRecords(M));
    for (std::int32_t r = 0; r < 3; ++r) {
        std::vector<float> pressure(2300), volume(2300);
        for (std::size_t t = 0; t < pressure.size(); ++t) {
            pressure[t] = static_cast<float>(r * 10000 + static_cast<std::int32_t>(t));
            volume[t] = -pressure[t];
        }
        host.samples[{0, r}] = pressure;
        host.samples[{1, r}] = volume;
    }
    struct Case {
        const char* what;
        std::int32_t slot, highlighted;
        bool drawn;
        float firstPressure;
        std::int32_t count;
        COLORREF colour;
    };
    const std::vector<Case> cases{
        {"the newest loop", 19, -1, true, 22100, 100, 0},
        {"the loop before it", 20, -1, true, 22000, 100, 0},
        {"a marked loop", 21, -1, true, 11100, 100, 0xC0C0C0},
        {"the highlighted loop", 18, 2, true, 11000, 100, 0xC00000},
        {"the highlighted loop, marked", 18, 3, true, 11100, 100, 0xFFAAA0},
        {"no highlighted loop", 18, -1, false, 0, 0, 0},
        {"past the oldest loop", 25, -1, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        document.highlightedLoop = c.highlighted;
        COLORREF colour = 0x123456;
        std::int32_t count = 0, flag = 0;
        const float *volumes = nullptr, *pressures = nullptr;
        data->GetAnalysisPlotPoints(c.slot, count, volumes, pressures, flag, colour);
        ASSERT_EQ(count > 0, c.drawn) << c.what;
        if (!c.drawn)
            continue;
        EXPECT_EQ(count, c.count) << c.what;
        EXPECT_EQ(pressures[0], c.firstPressure) << c.what;
        EXPECT_EQ(volumes[count - 1], -(c.firstPressure + static_cast<float>(count - 1))) << c.what;
        EXPECT_EQ(colour, c.colour) << c.what;
    }
    // While sampling, the newest loops fade: grey 0xFF - (i - (count - 30)) * 7 for included loop i.
    document.sampling = document.analysingWhileSampling = true;
    COLORREF colour = 0;
    ASSERT_TRUE(data->GetLoopTrace(19, colour));
    EXPECT_EQ(colour, 0x343434u); // i = 5 of 6: 0xFF - 29 * 7 = 0x34
    // A trace limit inside the loop cuts it.
    data->SetTraceLimit({2, 2150});
    ASSERT_TRUE(data->GetLoopTrace(19, colour));
    std::int32_t count = 0, flag = 0;
    const float *volumes = nullptr, *pressures = nullptr;
    data->GetAnalysisPlotPoints(19, count, volumes, pressures, flag, colour);
    EXPECT_EQ(count, 50);
}

TEST_F(LoopDataTest, RelationPlotsTakeTheUsableLoopsOfTheirRange) {
    Analyse(ThreeRecords(M));
    std::int32_t count = 0, flag = 0;
    const float *x = nullptr, *y = nullptr;
    COLORREF colour = 0;
    data->GetRelationPlotPoints(Tarvik::kPRSWPlot, 1, 4, count, x, y, flag, colour);
    // Included loops 1 to 4 but the marked loop 3; SW = (Ved - Ves) (Pes - Ped) = 50 (0.4 Ved).
    EXPECT_EQ(Points(x, count), (std::vector<float>{110, 120, 140}));
    EXPECT_EQ(Points(y, count), (std::vector<float>{2200, 2400, 2800}));
    EXPECT_EQ(colour, 0xE1u);
    data->GetRelationPlotPoints(Tarvik::kDPdtMaxPlot, 0, 100, count, x, y, flag, colour);
    EXPECT_EQ(count, 5);
    data->GetRelationPlotPoints(7, 0, 100, count, x, y, flag, colour);
    EXPECT_EQ(count, 0);
}

TEST_F(LoopDataTest, CuvettePointsAndRangeComeFromTheMeasuredWells) {
    document.cuvette = {{10, kNaN, 30, 40}, {{1.5, kNaN}, {9}, {4.5, 3.5}, {kNaN}}};
    std::int32_t count = 0, flag = 0;
    const float *x = nullptr, *y = nullptr;
    COLORREF colour = 0;
    data->GetRelationPlotPoints(Tarvik::kCuvettePlot, 0, 0, count, x, y, flag, colour);
    EXPECT_EQ(Points(x, count), (std::vector<float>{1.5, 4.5, 3.5}));
    EXPECT_EQ(Points(y, count), (std::vector<float>{10, 30, 30}));
    EXPECT_EQ(colour, 0xFFu);
    double v0 = 0, v1 = 0, c0 = 0, c1 = 0;
    ASSERT_TRUE(data->GetCuvetteAxisRange(&v0, &v1, &c0, &c1));
    EXPECT_EQ(v0, 10);
    EXPECT_EQ(v1, 30);
    EXPECT_EQ(c0, 1.5);
    EXPECT_EQ(c1, 4.5);
    document.cuvette = {{kNaN, 20}, {{1.0}, {kNaN}}};
    EXPECT_FALSE(data->GetCuvetteAxisRange(&v0, nullptr, nullptr, &c1));
    EXPECT_EQ(v0, FLT_MAX);
    EXPECT_EQ(c1, -FLT_MAX);
}

TEST_F(LoopDataTest, TheUsersSelectionMarksLoopsInEveryRecord) {
    Analyse(ThreeRecords());
    data->ApplyLoopSelection({1, 4});
    EXPECT_EQ(document.settingsLoads, 2);
    Tarvik::LoopIndexSet marked{99};
    data->MarkSelectedLoops(marked);
    EXPECT_EQ(marked, (Tarvik::LoopIndexSet{1, 4}));
    EXPECT_EQ(data->UsableToIncludedIndex(1), 2);
    EXPECT_EQ(data->UsableToIncludedIndex(3), 5);
    EXPECT_EQ(data->UsableToIncludedIndex(4), -1);
    // Marked loops leave the lines: ESPVR through the four others.
    std::int32_t count = 0, flag = 0;
    const float *x = nullptr, *y = nullptr;
    COLORREF colour = 0;
    data->GetAnalysisPlotPoints(Tarvik::kEndSystolicPoints, count, x, y, flag, colour);
    EXPECT_EQ(Points(x, count), (std::vector<float>{50, 70, 80, 100}));
    data->ApplyLoopSelection({4});
    EXPECT_EQ(document.settingsLoads, 3);
    data->MarkSelectedLoops(marked);
    EXPECT_EQ(marked, (Tarvik::LoopIndexSet{4}));
    EXPECT_EQ(data->GetLoopPosition(4), (TickPosition{2, 2000}));
    EXPECT_EQ(data->GetLoopPosition(6), TickPosition::None());
}

TEST_F(LoopDataTest, TheHostSeesChildDataThatItCanCopy) {
    Analyse(ThreeRecords());
    IUnknown* unknown = nullptr;
    ASSERT_EQ(data->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    unknown->Release();
    void* other = nullptr;
    EXPECT_EQ(data->QueryInterface(IID_IDocumentData, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    DWORD id = 0;
    ASSERT_EQ(data->GetTypeId(&id), S_OK);
    EXPECT_EQ(id, 0x00420005u);
    EXPECT_EQ(data->Reserved6(0, 0, 0, 0), E_NOTIMPL);
    IStrevDataChildData* copy = nullptr;
    ASSERT_EQ(data->Clone(static_cast<IDocumentData*>(&host), &copy), S_OK);
    auto* clone = static_cast<TarvikData*>(copy);
    EXPECT_EQ(clone->GetExtents().ved.maximum, 150.0f);
    EXPECT_EQ(clone->GetLoopPosition(3), (TickPosition{1, 1100}));
    EXPECT_EQ(data->GetLoopPosition(3), (TickPosition{1, 1100}));
    copy->Release();
}

struct Summary {
    double minimum = 0, maximum = 0, mean = 0;
    std::int32_t count = -1;
};

Summary Stats(TarvikData& data, std::int32_t id) {
    Summary s;
    EXPECT_TRUE(data.GetParamStats(id, s.minimum, s.maximum, s.mean, s.count));
    return s;
}

TEST_F(LoopDataTest, StatisticsCoverTheLoopsTheUserKept) {
    Summary none = Stats(*data, Tarvik::LP_Ved);
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.minimum, DBL_MAX);
    EXPECT_EQ(none.maximum, -DBL_MAX);
    EXPECT_EQ(none.mean, 0.0);
    data->ClearLoopMap();
    // Included loops Ved 100, 110, 120, 130 (marked), 140, 150 over three records; the trailing
    // events (state 2) are no loops, and a loop without tau counts only where tau does not.
    Analyse(ThreeRecords(M));
    Summary ved = Stats(*data, Tarvik::LP_Ved);
    EXPECT_EQ(ved.count, 5);
    EXPECT_EQ(ved.minimum, 100);
    EXPECT_EQ(ved.maximum, 150);
    EXPECT_DOUBLE_EQ(ved.mean, 124);
    EXPECT_EQ(Stats(*data, Tarvik::LP_Tau).count, 0); // no loop has a tau
    // The cache stands until it is cleared, whatever the selection does meanwhile.
    data->ApplyLoopSelection({0, 3});
    EXPECT_EQ(Stats(*data, Tarvik::LP_Ved).count, 5);
    data->ClearLoopMap();
    EXPECT_EQ(Stats(*data, Tarvik::LP_Ved).count, 4);
    EXPECT_EQ(Stats(*data, Tarvik::LP_Ved).minimum, 110);
}

// A volume conversion V' = (V + 5) 0.001 moves volume levels with the offset, while stroke volume, a
// difference, scales by 0.001 alone; stroke work scales by both channels' scales.
TEST_F(LoopDataTest, DisplayValuesFollowTheChannelsUnitConversions) {
    document.scaling[document.volumeChannel] = {5, 1e-3};
    document.scaling[document.pressureChannel] = {-2, 0.5};
    Analyse(ThreeRecords());
    EXPECT_DOUBLE_EQ(data->GetLoopParamValue(Tarvik::LP_Ved, 1), 0.115);
    EXPECT_DOUBLE_EQ(data->GetLoopParamValue(Tarvik::LP_SV, 1), 0.05); // Vmax - Vmin = 50
    EXPECT_DOUBLE_EQ(data->GetLoopParamValue(Tarvik::LP_Ped, 1), (11 - 2) * 0.5);
    EXPECT_DOUBLE_EQ(data->GetLoopParamValue(Tarvik::LP_SW, 1), 50 * 44 * 0.5e-3);
    EXPECT_TRUE(std::isnan(data->GetLoopParamValue(Tarvik::LP_Ved, 6)));
    EXPECT_DOUBLE_EQ(Stats(*data, Tarvik::LP_Ves).maximum, 0.105);
}

TEST_F(LoopDataTest, PressureVolumeAreaStatisticsComeFromThePVAEvents) {
    std::vector<Tarvik::PVAEvent> pva(4);
    for (std::size_t k = 0; k < 3; ++k) {
        pva[k].tick = 100 * static_cast<std::int32_t>(k);
        pva[k].pva = 1000.0 * static_cast<double>(k + 1);
        pva[k].pe = 100.0;
        pva[k].sw = 500.0;
    }
    host.SetEvents(FakeLoopHost::kPvaChannel, 0, pva);
    Analyse({Loops({{0, 100, 5, 40, 90, V}, {0, 110, 5, 40, 90, M}, {0, 120, 5, 40, 90, V}})});
    // Recalculating handed the document's formula to the "pva" channel.
    EXPECT_EQ(host.calls.back(), "Assign 101 pva: PVACalc(tarvik, -1 , 0, 0, 0, 0, 0, 0, 0)");
    EXPECT_DOUBLE_EQ(data->GetLoopParamValue(Tarvik::LP_CE, 1), 0.25);
    double minimum = 0, maximum = 0, mean = 0;
    std::int32_t count = 0;
    ASSERT_TRUE(data->GetParamSummary(Tarvik::LP_PVA, minimum, maximum, mean, count));
    EXPECT_EQ(count, 2);
    EXPECT_EQ(maximum, 3000);
    EXPECT_EQ(data->GetExtents().pva.maximum, 3000.0f);
    ASSERT_TRUE(data->GetParamSummary(Tarvik::LP_Ved, minimum, maximum, mean, count));
    EXPECT_EQ(count, 2);
    document.sampling = document.analysingWhileSampling = true;
    EXPECT_FALSE(data->GetParamSummary(Tarvik::LP_PE, minimum, maximum, mean, count));
    EXPECT_TRUE(std::isnan(mean));
    EXPECT_EQ(count, 0);
}

TEST_F(LoopDataTest, ColumnTitlesNameTheParameterAndItsUnit) {
    EXPECT_EQ(data->GetParamColumnTitle(Tarvik::LP_Ved).ToWString(), L"Ved (ul)");
    EXPECT_EQ(data->GetParamColumnTitle(Tarvik::LP_SW).ToWString(), L"SW (mmHg*ul)");
    EXPECT_EQ(data->GetParamColumnTitle(Tarvik::LP_CE).ToWString(), L"CE");
}

TEST_F(LoopDataTest, TableRowsAreTheShownParametersTheAnalysisKeeps) {
    document.tableIds = {29, 0, 7, 12, 26, 40};
    document.excludedIds = {12};
    EXPECT_EQ(data->PrepareTableRows(), 4);
    EXPECT_EQ(data->GetVisibleParamIds(), (std::vector<std::int32_t>{0, 7, 26, 29}));
}

} // namespace
