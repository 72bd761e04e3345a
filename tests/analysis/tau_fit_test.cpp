#include "analysis/NoValue.h"
#include "analysis/TauFit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

namespace {

using ExtLib::FitTau;

// Noise-free samples reduce the fit to a zero-residual problem; the last accepted steps converge
// quadratically, leaving tau within a few hundred ulps: 1e-9 relative is the stated accuracy.
constexpr double kTauTolerance = 1e-9;

// A relaxation as the loop analyser sees it: `lead` samples of plateau, then P = A e^(-t/tau) + K
// sampled at fs, and a tail of flat samples after the window.
std::vector<double> Relaxation(double amplitude, double tau, double k, double fs, int32_t lead,
                               int32_t count) {
    std::vector<double> p(static_cast<std::size_t>(lead), amplitude + k + 10.0);
    for (int32_t i = 0; i < count; ++i)
        p.push_back(amplitude * std::exp(-(i / fs) / tau) + k);
    p.insert(p.end(), 5, k);
    return p;
}

// Least-squares slope of ln(y[start + i]) against t = i / fs.
double LogSlope(const std::vector<double>& y, int32_t start, int32_t end, double fs) {
    double st = 0, sl = 0, stt = 0, stl = 0;
    const int32_t n = end - start + 1;
    for (int32_t i = 0; i < n; ++i) {
        const double t = i / fs, l = std::log(y[static_cast<std::size_t>(start + i)]);
        st += t, sl += l, stt += t * t, stl += t * l;
    }
    return (n * stl - st * sl) / (n * stt - st * st);
}

TEST(FitTau, RecoversTheTimeConstantOfANoiseFreeDecay) {
    // Long windows take the exponentials through many steps of their recurrence.
    struct Case {
        double fs, tau, amplitude;
        int32_t lead, count;
    };
    for (const Case c : {Case{1000.0, 0.0317, 95.0, 7, 60}, Case{10000.0, 0.0233, 120.0, 3, 700},
                         Case{2000.0, 0.0071, 40.0, 0, 9}}) {
        const auto p = Relaxation(c.amplitude, c.tau, 0.0, c.fs, c.lead, c.count);
        const int32_t end = c.lead + c.count - 1;
        double a = 0, fitted = 0, k = -1;
        ASSERT_TRUE(FitTau(p, c.lead, end, c.fs, 0.0, a, fitted, k)) << c.fs << " Hz";
        EXPECT_NEAR(fitted, c.tau, kTauTolerance * c.tau) << c.fs << " Hz";
        EXPECT_NEAR(a, c.amplitude, kTauTolerance * c.amplitude) << c.fs << " Hz";
        EXPECT_EQ(k, 0.0);
        // With K = 0, ln P is a straight line in t with slope -1/tau.
        EXPECT_NEAR(fitted, -1.0 / LogSlope(p, c.lead, end, c.fs), kTauTolerance * c.tau) << c.fs << " Hz";
    }
}

TEST(FitTau, AnExactStartIsAResult) {
    // tau is a whole number of sample periods, so the 1/e crossing gives it exactly: chi-square is 0
    // at the start and no step can lower it.
    const double fs = 1000.0, tau = 0.032, amplitude = 95.0;
    const auto p = Relaxation(amplitude, tau, 0.0, fs, 0, 60);
    double a = 0, fitted = 0, k = 0;
    ASSERT_TRUE(FitTau(p, 0, 59, fs, 0.0, a, fitted, k));
    EXPECT_EQ(fitted, tau);
    EXPECT_EQ(a, amplitude);
}

TEST(FitTau, HoldsAGivenAsymptote) {
    const double fs = 500.0, tau = 0.045, amplitude = 60.0, k = 8.0;
    const auto p = Relaxation(amplitude, tau, k, fs, 3, 40);
    double a = 0, fitted = 0, asymptote = 0;
    ASSERT_TRUE(FitTau(p, 3, 42, fs, k, a, fitted, asymptote));
    EXPECT_NEAR(fitted, tau, kTauTolerance * tau);
    EXPECT_EQ(asymptote, k);
}

TEST(FitTau, FailureLeavesNoValueRatherThanTheGuess) {
    const auto decay = Relaxation(80.0, 0.03, 0.0, 1000.0, 0, 30);
    std::vector<double> rising;
    for (int32_t i = 0; i < 30; ++i)
        rising.push_back(10.0 * std::exp(i / 20.0));
    const std::vector<double> flat(30, 50.0);
    struct Case {
        const char* what;
        const std::vector<double>& samples;
        int32_t start, end;
        double fs = 1000.0;
    };
    const std::vector<Case> cases{
        {"one sample", decay, 4, 4},
        {"start after end", decay, 10, 4},
        {"window past the samples", decay, 20, 40},
        {"negative start", decay, -1, 10},
        {"no sampling rate", decay, 0, 29, 0.0},
        {"constant segment", flat, 0, 29},
        {"rising segment", rising, 0, 29},
    };
    for (const auto& c : cases) {
        double a = 1, tau = 1, k = 1;
        EXPECT_FALSE(FitTau(c.samples, c.start, c.end, c.fs, 0.0, a, tau, k)) << c.what;
        EXPECT_TRUE(IsNoValue(tau)) << c.what;
        EXPECT_TRUE(IsNoValue(a)) << c.what;
    }
}

TEST(FitTau, ConcurrentFitsDoNotShareState) {
    // Each thread fits its own time constant repeatedly; shared work arrays would mix them up.
    const std::vector<double> taus{0.0153, 0.0251, 0.0407, 0.0612};
    std::vector<int> wrong(taus.size(), 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < taus.size(); ++t)
        threads.emplace_back([&, t] {
            const auto p = Relaxation(70.0, taus[t], 0.0, 1000.0, 2, 80);
            for (int i = 0; i < 200; ++i) {
                double a = 0, tau = 0, k = 0;
                if (!FitTau(p, 2, 81, 1000.0, 0.0, a, tau, k) ||
                    std::fabs(tau - taus[t]) > kTauTolerance * taus[t])
                    ++wrong[t];
            }
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, std::vector<int>(taus.size(), 0));
}

} // namespace
