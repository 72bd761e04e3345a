// The end-diastolic point detector from pressure ("PVEdpDet") and the maximum
// detector ("PVMaxDet") on generated pressure signals with known beats.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/EEH3Enumerator.h"
#include "analysis/EdpAlgorithm.h"
#include "analysis/EdpEnumerator.h"
#include "analysis/MaxEnumerator.h"
#include "tests/support/FakeCalcSources.h"

namespace {

using Tarvik::TarvikEdpEvent;
using EdpEnum = EEH3::EEH3Enumerator<Tarvik::EdpEnumerator>;
using MaxEnum = EEH3::EEH3Enumerator<Tarvik::MaxEnumerator>;

// A left-ventricular pressure of `beats` beats of `period` ticks after 200 ticks of baseline:
// diastole flat at 5, a linear upstroke of 100 ticks from the foot to the peak at 100, a linear
// fall of 150 ticks back to 5. The foot of beat k (its end-diastolic point) is 200 + k * period.
struct Beats {
    std::vector<float> pressure;
    std::vector<OvoEventBase> peaks; // the host's peak events: one per beat, value = peak pressure
    std::vector<std::int32_t> feet;

    explicit Beats(int beats, int period = 400, double noise = 0.0) {
        Build(beats, period, [&](int t, int phase) {
            double p = 5.0;
            if (t >= 200 && t < 200 + beats * period) {
                if (phase < 100)
                    p = 5.0 + 0.95 * phase;
                else if (phase < 250)
                    p = 100.0 - 95.0 * (phase - 100) / 150.0;
            }
            return p + noise * std::sin(t * 1.7);
        });
        for (int k = 0; k < beats; ++k)
            AddPeak(200 + k * period, 100);
    }

    // Beats as hearts give them: the pressure rises 4 over the 32 ticks before the foot (an atrial
    // kick), climbs steeply (1.87 a tick) to 80, then slowly to a rounded peak of 100 120 ticks
    // after the foot while the ventricle ejects, and falls back to 5. The chord from the foot to
    // the peak has less than half the upstroke's slope.
    static Beats WithAtrialKick(int beats, int period = 400) {
        Beats b;
        b.Build(beats, period, [&](int t, int phase) {
            if (t < 200 - 32 || t >= 200 + beats * period - 32)
                return 5.0;
            if (phase >= period - 32)
                return 5.0 + 4.0 * (phase - (period - 32)) / 32.0;
            if (phase < 38)
                return 9.0 + 71.0 * phase / 38.0;
            if (phase < 120)
                return 80.0 + 20.0 * std::sin(std::numbers::pi / 2 * (phase - 38) / 82.0);
            if (phase < 270)
                return 100.0 - 95.0 * (phase - 120) / 150.0;
            return 5.0;
        });
        for (int k = 0; k < beats; ++k)
            b.AddPeak(200 + k * period, 120);
        return b;
    }

private:
    Beats() = default;

    template <class Shape> void Build(int beats, int period, Shape shape) {
        const int n = 200 + beats * period + 50;
        for (int t = 0; t < n; ++t)
            pressure.push_back(static_cast<float>(shape(t, ((t - 200) % period + period) % period)));
    }
    void AddPeak(int foot, int rise) {
        feet.push_back(foot);
        OvoEventBase peak;
        peak.tick = foot + rise;
        peak.value = pressure[static_cast<std::size_t>(peak.tick)];
        peaks.push_back(peak);
    }
};

struct Edp {
    ICalcEnum* calc = new EdpEnum(nullptr);
    std::shared_ptr<FakeEngine::SampleData> samples;
    std::shared_ptr<FakeEngine::EventData> peaks;
    FakeEngine::SampleChannel* channel;
    FakeEngine::EventSeries* series;
    HRESULT start = E_FAIL;

    Edp(const Beats& beats, const wchar_t* args = L"0", DWORD flags = 0, bool clonable = true)
        : samples(FakeEngine::Samples(beats.pressure)), peaks(FakeEngine::Events(beats.peaks)),
          channel(new FakeEngine::SampleChannel(samples)), series(new FakeEngine::EventSeries(peaks)) {
        channel->clonable = clonable;
        start = FakeEngine::StartRecord(calc, args, {channel, series}, 0.001, flags);
    }
    ~Edp() {
        calc->Release();
        channel->Release();
        series->Release();
    }
    std::vector<TarvikEdpEvent> All(LONG limit = INT32_MAX) {
        return FakeEngine::Pull<TarvikEdpEvent>(calc, limit);
    }
};

std::vector<std::int32_t> Ticks(const std::vector<TarvikEdpEvent>& events) {
    std::vector<std::int32_t> ticks;
    for (const auto& e : events)
        ticks.push_back(e.tick);
    return ticks;
}

// Every beat once, each point at its foot within one tick, closed by the beat's own peak.
void ExpectEveryBeatOnce(const std::vector<TarvikEdpEvent>& found, const Beats& beats, int tolerance) {
    ASSERT_EQ(found.size(), beats.feet.size());
    for (std::size_t k = 0; k < found.size(); ++k) {
        EXPECT_NEAR(found[k].tick, beats.feet[k], tolerance) << "beat " << k;
        EXPECT_EQ(found[k].fraction, 0.0f);
        EXPECT_EQ(found[k].secondTick, beats.peaks[k].tick);
        EXPECT_EQ(found[k].secondValue, beats.peaks[k].value);
    }
}

TEST(EdpFromPressure, FindsEveryBeatOnceAtTheFootOfItsUpstroke) {
    const Beats beats(12);
    Edp edp(beats);
    ASSERT_EQ(edp.start, S_OK);
    const auto found = edp.All();
    ExpectEveryBeatOnce(found, beats, 1);
    for (const auto& e : found)
        EXPECT_NEAR(e.value, 5.0, 1.0) << "the value is the pressure at the point";
}

TEST(EdpFromPressure, ToleratesNoiseOnTheSignal) {
    const Beats beats(12, 400, 0.4);
    Edp edp(beats);
    ExpectEveryBeatOnce(edp.All(), beats, 4);
}

TEST(EdpFromPressure, TheUpstrokePointIsTheHalfHeightCrossingNotTheSampleBeforeThePeak) {
    const std::vector<double> rise = {5, 5, 6, 9, 30, 52, 53, 80, 95, 99, 100};
    double value = 0.0;
    EXPECT_EQ(Tarvik::EdpAlgorithm::FindLastAboveLevel(rise, 100, 52.5, value), 106);
    EXPECT_EQ(value, 53.0);
    // A sample before the peak that is not above half height leaves no crossing.
    const std::vector<double> dip = {5, 60, 70, 40};
    EXPECT_EQ(Tarvik::EdpAlgorithm::FindLastAboveLevel(dip, 100, 52.5, value), 99);
    EXPECT_EQ(value, 5.0);
}

// The walk back from the dividing line stops where the local slope falls below a tenth of the
// upstroke's (S1, the steepest secant into the half-height crossing). With the shallow chord to the
// rounded peak in its place the walk ran on through the whole atrial kick, to its start 32 ticks
// before the foot at 5. The dividing line itself crosses the kick's last part, 11 to 13 ticks
// before the foot in this geometry, where the pressure is within 1.7 of the foot's.
TEST(EdpFromPressure, DoesNotRunThroughAnAtrialKickBeforeASteepUpstroke) {
    const Beats beats = Beats::WithAtrialKick(8);
    Edp edp(beats);
    const auto found = edp.All();
    ASSERT_EQ(found.size(), beats.feet.size());
    for (std::size_t k = 0; k < found.size(); ++k) {
        EXPECT_GE(found[k].tick, beats.feet[k] - 13) << "beat " << k;
        EXPECT_LE(found[k].tick, beats.feet[k]) << "beat " << k;
        EXPECT_NEAR(found[k].value, 9.0, 1.7) << "beat " << k;
    }
}

TEST(EdpFromPressure, AFirstPeakBelowTheMinimumHeightYieldsNothing) {
    const Beats beats(5);
    Edp tooHigh(beats, L"5 200 -1 -1 -1 -1");
    EXPECT_TRUE(tooHigh.All().empty());
    Edp justBelow(beats, L"1 94");
    EXPECT_EQ(justBelow.All().size(), beats.feet.size());
}

TEST(EdpFromPressure, PeaksBeforeTheRangeStartAreNeverUsed) {
    const Beats beats(8);
    Edp edp(beats, L"5 0 0 1000 -1 -1"); // the third beat's peak is at 1100
    const auto found = edp.All();
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front().secondTick, 1100);
    EXPECT_NEAR(found.front().tick, 1000, 1);
    EXPECT_EQ(found.size(), beats.feet.size() - 2);
}

TEST(EdpFromPressure, WithoutASecondCursorStartFails) {
    const Beats beats(3);
    Edp edp(beats, L"0", 0, false);
    EXPECT_EQ(edp.start, E_FAIL);
    EXPECT_TRUE(edp.All().empty());
}

TEST(EdpFromPressure, ACycleThatCannotBeLocatedIsSkippedNotRepeated) {
    Beats beats(6);
    beats.pressure.resize(1400); // the samples end inside the fourth beat; the later peaks have none
    Edp edp(beats);
    const auto found = Ticks(edp.All());
    ASSERT_EQ(found.size(), 3u);
    for (std::size_t k = 0; k < found.size(); ++k)
        EXPECT_NEAR(found[k], beats.feet[k], 1);
}

TEST(EdpFromPressure, PeaksOutOfOrderNeverCrashAndGiveIncreasingPoints) {
    Beats beats(6);
    std::swap(beats.peaks[2], beats.peaks[3]);
    beats.peaks.insert(beats.peaks.begin() + 4, beats.peaks[1]);
    Edp edp(beats);
    const auto found = Ticks(edp.All());
    ASSERT_FALSE(found.empty());
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_LT(found[i - 1], found[i]);
}

TEST(EdpFromPressure, NaNSamplesDoNotStopTheOtherBeats) {
    Beats beats(6);
    for (int t = 1020; t < 1060; ++t)
        beats.pressure[static_cast<std::size_t>(t)] = std::nanf("");
    Edp edp(beats);
    const auto found = edp.All();
    ASSERT_EQ(found.size(), beats.feet.size());
    for (std::size_t k : {0u, 1u, 3u, 4u, 5u})
        EXPECT_NEAR(found[k].tick, beats.feet[k], 1) << k;
}

TEST(EdpFromPressure, SamplingGivesTheSameEventsAsOffline) {
    const Beats beats(10);
    Edp offline(beats);
    const auto expected = Ticks(offline.All());

    Edp online(beats, L"0", kCalcStartOnline);
    online.samples->complete = false;
    online.peaks->complete = false;
    std::vector<std::int32_t> got;
    for (std::size_t available = 0; available < beats.pressure.size(); available += 170) {
        online.samples->available = available;
        online.peaks->availableTick = static_cast<std::int32_t>(available); // peaks are known once sampled
        for (std::int32_t t : Ticks(online.All()))
            got.push_back(t);
    }
    online.samples->available = SIZE_MAX;
    online.samples->complete = online.peaks->complete = true;
    for (std::int32_t t : Ticks(online.All()))
        got.push_back(t);
    EXPECT_EQ(got, expected);
}

TEST(EdpFromPressure, PullingBelowSuccessiveLimitsGivesTheSameEvents) {
    const Beats beats(10);
    Edp whole(beats);
    const auto expected = Ticks(whole.All());
    Edp parts(beats);
    std::vector<std::int32_t> got;
    for (LONG limit = 150; limit < 5000; limit += 237)
        for (std::int32_t t : Ticks(parts.All(limit)))
            got.push_back(t);
    for (std::int32_t t : Ticks(parts.All()))
        got.push_back(t);
    EXPECT_EQ(got, expected);
}

TEST(MaxDetector, HandsOnThePeakOfEveryCycle) {
    const Beats beats(7);
    Edp edp(beats);
    ICalcEnum* max = new MaxEnum(nullptr);
    ASSERT_EQ(FakeEngine::StartRecord(max, L"0", {edp.calc}), S_OK);
    HRESULT last = S_OK;
    const auto peaks = FakeEngine::Pull<OvoEventBase>(max, INT32_MAX, 8, &last);
    EXPECT_EQ(last, S_FALSE);
    ASSERT_EQ(peaks.size(), beats.peaks.size());
    for (std::size_t k = 0; k < peaks.size(); ++k) {
        EXPECT_EQ(peaks[k].tick, beats.peaks[k].tick);
        EXPECT_EQ(peaks[k].value, beats.peaks[k].value);
    }
    EXPECT_EQ(FakeEngine::ArgsText(max), L"0");
    max->Release();
}

TEST(MaxDetector, AnEmptyInputYieldsNothingAndEnds) {
    auto data = FakeEngine::Events({});
    data->eventSize = sizeof(TarvikEdpEvent);
    auto* series = new FakeEngine::EventSeries(data);
    ICalcEnum* max = new MaxEnum(nullptr);
    ASSERT_EQ(FakeEngine::StartRecord(max, L"0", {series}), S_OK);
    HRESULT last = S_OK;
    EXPECT_TRUE(FakeEngine::Pull<OvoEventBase>(max, INT32_MAX, 8, &last).empty());
    EXPECT_EQ(last, S_FALSE);
    max->Release();
    series->Release();
}

} // namespace
