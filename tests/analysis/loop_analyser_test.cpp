// The loop analyser "TarvikAnalyzer" over generated pressure-volume recordings,
// with end-diastolic points from ECG events ("PVEcgEdpDet").

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/PvRecording.h"

namespace {

using namespace PvRecording;

TEST(LoopAnalyser, EmitsOneLoopPerCycleAndATrailingEventAtTheLastPoint) {
    const Recording r(6);
    Analysis a(r);
    ASSERT_EQ(a.start, S_OK);
    HRESULT last = S_OK;
    const auto loops = a.All(INT32_MAX, &last);
    EXPECT_EQ(last, S_FALSE);
    ASSERT_EQ(loops.size(), 7u);
    for (std::size_t k = 0; k < 6; ++k) {
        const TarvikEvent& loop = loops[k];
        EXPECT_EQ(loop.tick, static_cast<std::int32_t>(k * 400));
        EXPECT_EQ(loop.loopStartTick, loop.tick);
        EXPECT_EQ(loop.state, TarvikEvent::Valid);
        EXPECT_DOUBLE_EQ(loop.sw, 100.0 * 100.0);
        EXPECT_DOUBLE_EQ(loop.hr, 60.0 / 0.4);
        EXPECT_EQ(loop.value, loop.ped);
        EXPECT_EQ(loop.ped, 10.0);
    }
    const TarvikEvent& trailing = loops.back();
    EXPECT_EQ(trailing.state, TarvikEvent::LastInBlock);
    EXPECT_EQ(trailing.tick, 2400);
    EXPECT_EQ(trailing.loopStartTick, 2400);
    EXPECT_TRUE(IsNoValue(trailing.sw));
    EXPECT_TRUE(IsNoValue(trailing.hr));
}

TEST(LoopAnalyser, ReadsEverySampleOnceWhateverTheCycleLength) {
    // Cycles shorter and longer than the block the analyser reads at a time.
    for (const int length : {400, 2500}) {
        const Recording r(5, length);
        Analysis a(r);
        ASSERT_EQ(a.All().size(), 6u) << length;
        for (const auto& channel : {a.p, a.v}) {
            EXPECT_GE(channel->read, 5u * length) << length;
            EXPECT_LE(channel->read, channel->samples.size()) << length << ": a block read twice";
        }
    }
}

TEST(LoopAnalyser, LoopsOutsideTheRangeAreNotEmitted) {
    const Recording r(6);
    Analysis a(r, L"4 0 500 0 1700");
    std::vector<std::int32_t> ticks;
    std::vector<std::uint32_t> states;
    for (const auto& loop : a.All()) {
        ticks.push_back(loop.tick);
        states.push_back(loop.state);
    }
    // The loop from 400 starts before the range. The cycle from 1600 closes past its end, so 1600
    // is the range's last point: its trailing event.
    EXPECT_EQ(ticks, (std::vector<std::int32_t>{800, 1200, 1600}));
    EXPECT_EQ(states, (std::vector<std::uint32_t>{0, 0, TarvikEvent::LastInBlock}));
}

TEST(LoopAnalyser, SamplingGivesTheSameLoopsAsOffline) {
    const Recording r(8, 320);
    Analysis offline(r);
    const auto expected = offline.All();

    Analysis online(r, L"4 -1 -1 -1 -1", kCalcStartOnline);
    std::vector<TarvikEvent> got;
    for (std::size_t n = 0; n < r.pressure.size(); n += 97) {
        online.Grow(false, n, static_cast<std::int32_t>(n));
        HRESULT last = S_OK;
        const auto part = online.All(INT32_MAX, &last);
        EXPECT_EQ(last, S_OK);
        got.insert(got.end(), part.begin(), part.end());
    }
    online.Grow(true, SIZE_MAX, INT32_MAX);
    const auto rest = online.All();
    got.insert(got.end(), rest.begin(), rest.end());
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t k = 0; k < got.size(); ++k)
        EXPECT_EQ(std::memcmp(&got[k], &expected[k], sizeof(TarvikEvent)), 0) << "loop " << k;
}

TEST(LoopAnalyser, AZeroTickPeriodLeavesRateAndDerivativesUndefinedButNeverGarbage) {
    const Recording r(3);
    Analysis a(r, L"4 -1 -1 -1 -1", 0, 0.0);
    const auto loops = a.All();
    ASSERT_EQ(loops.size(), 4u);
    EXPECT_TRUE(IsNoValue(loops[0].hr));
    EXPECT_EQ(loops[0].state, TarvikEvent::Valid);
    EXPECT_EQ(loops[0].dPdtMax, 0.0);
    EXPECT_TRUE(IsNoValue(loops[0].tau));
    EXPECT_DOUBLE_EQ(loops[0].sw, 100.0 * 100.0);
}

TEST(LoopAnalyser, PointsAtTheSameTickGiveAnEmptyLoopWithMissingValues) {
    Recording r(3);
    r.points.insert(r.points.begin() + 1, r.points[1]); // a doubled point at 400
    Analysis a(r);
    const auto loops = a.All();
    ASSERT_GE(loops.size(), 3u);
    for (std::size_t k = 1; k < loops.size(); ++k)
        EXPECT_LT(loops[k - 1].tick, loops[k].tick);
    for (const auto& loop : loops)
        EXPECT_TRUE(IsNoValue(loop.sw) || loop.sw == 100.0 * 100.0) << loop.tick;
}

TEST(LoopAnalyser, BadInputNeverCrashes) {
    struct Case {
        const char* name;
        std::vector<float> pressure;
        std::vector<std::int32_t> points;
    };
    const std::vector<float> nans(900, std::nanf(""));
    const Case cases[] = {
        {"empty record", {}, {0, 400, 800}},
        {"samples end early", std::vector<float>(500, 5.0f), {0, 400, 800}},
        {"NaN samples", nans, {0, 400, 800}},
        {"points out of order", std::vector<float>(900, 5.0f), {400, 0, 800, 200}},
        {"no points", std::vector<float>(900, 5.0f), {}},
    };
    for (const Case& c : cases) {
        Recording r(0, 400, 0);
        r.pressure = r.volume = c.pressure;
        r.points.clear();
        for (std::int32_t t : c.points) {
            OvoEventBase e;
            e.tick = t;
            r.points.push_back(e);
        }
        Analysis a(r);
        HRESULT last = S_OK;
        const auto loops = a.All(INT32_MAX, &last);
        EXPECT_EQ(last, S_FALSE) << c.name;
        for (const auto& loop : loops)
            EXPECT_TRUE(loop.state == TarvikEvent::Valid || loop.state == TarvikEvent::LastInBlock) << c.name;
    }
}

} // namespace
