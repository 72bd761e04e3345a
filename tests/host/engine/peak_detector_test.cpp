#include "host/engine/PeakDetector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace Vantrel {
namespace {

using Peak = PeakDetector::Peak;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

std::vector<Peak> detect(const std::vector<double>& samples, double height, Tick period = 0) {
    PeakDetector detector(height, period);
    std::vector<Peak> peaks;
    detector.feed(samples, peaks);
    return peaks;
}

TEST(PeakDetector, ReportsEachPeakOnceAtItsMaximumWhenItRisesAboveTheTroughBeforeIt) {
    struct Case {
        const char* what;
        std::vector<double> samples;
        double height;
        Tick period;
        std::vector<Peak> peaks;
    } cases[] = {
        {"rise and fall", {0, 1, 3, 2, 0}, 1.0, 0, {{2, 3}}},
        {"the fall must exceed the height", {0, 3, 2, 2.5}, 1.0, 0, {}},
        {"the rise must exceed the height", {0, 1, 0, 1, 0}, 1.0, 0, {}},
        {"a record that starts on a peak has no trough before it", {5, 4, 0, 4, 0}, 1.0, 0, {{3, 4}}},
        {"small wiggles do not split a peak", {0, 4, 3.5, 5, 4.5, 0}, 1.0, 0, {{3, 5}}},
        {"the first of equal maxima", {0, 4, 4, 4, 0}, 1.0, 0, {{1, 4}}},
        {"a candidate the record ends on is no peak", {0, 4, 0, 5}, 1.0, 0, {{1, 4}}},
        {"a refractory period drops a close peak", {0, 4, 0, 4, 0, 0, 4, 0}, 1.0, 4, {{1, 4}, {6, 4}}},
        {"height 0 takes every strict local maximum", {0, 1, 0, 2, 2, 1}, 0.0, 0, {{1, 1}, {3, 2}}},
        {"not-finite samples are skipped",
         {0, nan, 4, std::numeric_limits<double>::infinity(), nan, 0},
         1.0,
         0,
         {{2, 4}}},
        {"only NaN", {nan, nan, nan}, 1.0, 0, {}},
        {"negative signal", {-10, -5, -9}, 1.0, 0, {{1, -5}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(detect(c.samples, c.height, c.period), c.peaks) << c.what;
}

TEST(PeakDetector, FindsEveryCycleOfASineWithItsPeakValue) {
    // sin(30 t) at 1000 Hz: maxima at t = (pi/2 + 2 pi k) / 30, 209.44 ticks apart.
    std::vector<double> samples;
    for (int k = 0; k < 10000; ++k)
        samples.push_back(std::sin(30.0 * k / 1000.0));
    std::vector<Peak> peaks = detect(samples, 0.3, 10);
    // The sample nearest a maximum is at most half a tick (0.5 ms, 0.015 rad) away from it.
    const double valueTolerance = 1.0 - std::cos(30.0 * 0.0005);
    ASSERT_EQ(peaks.size(), 48u); // the 48th maximum is at 9.896 s, the 49th at 10.091 s
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        double expected =
            (std::numbers::pi / 2 + 2 * std::numbers::pi * static_cast<double>(i)) / 30.0 * 1000.0;
        EXPECT_NEAR(peaks[i].tick, expected, 0.5 + 1e-9) << i;
        EXPECT_NEAR(peaks[i].value, 1.0, valueTolerance) << i;
    }
}

TEST(PeakDetector, GivesTheSamePeaksWhateverTheBlocks) {
    std::vector<double> samples;
    for (int k = 0; k < 5000; ++k)
        samples.push_back(std::sin(0.05 * k) + 0.3 * std::sin(0.9 * k));
    const std::vector<Peak> whole = detect(samples, 0.5, 3);
    ASSERT_FALSE(whole.empty());
    for (std::size_t block : {1u, 7u, 64u, 1000u}) {
        PeakDetector detector(0.5, 3);
        std::vector<Peak> peaks;
        for (std::size_t first = 0; first < samples.size(); first += block) {
            std::size_t n = std::min(block, samples.size() - first);
            detector.feed(std::span(samples).subspan(first, n), peaks);
            for (const Peak& p : peaks)
                EXPECT_LT(p.tick, detector.next());
            if (!peaks.empty()) {
                EXPECT_LT(peaks.back().tick, detector.settledBefore());
            }
        }
        EXPECT_EQ(peaks, whole) << block;
    }
}

TEST(PeakDetector, SettledTickBoundsThePeakToCome) {
    PeakDetector detector(1.0, 0);
    std::vector<Peak> peaks;
    std::vector<double> rise{0, 2, 3};
    detector.feed(rise, peaks);
    EXPECT_EQ(detector.settledBefore(), 2); // the candidate at tick 2 may still become the peak
    std::vector<double> fall{1};
    detector.feed(fall, peaks);
    ASSERT_EQ(peaks.size(), 1u);
    EXPECT_EQ(detector.settledBefore(), 4); // looking for a trough: no peak before the next tick
}

} // namespace
} // namespace Vantrel
