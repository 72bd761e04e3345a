#include "tools/pvsim/PvGenerator.h"
#include "tools/pvsim/Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

using namespace PvSim;
using Vantrel::Tick;

struct Beat {
    std::span<const float> pressure, volume, ecg;
    Tick first; // record tick of element 0
};

Beat samplesOf(const Simulation& simulation, const BeatTruth& truth, Tick ticks) {
    const auto& record = simulation.recording.record(0);
    const auto at = static_cast<std::size_t>(truth.edTick);
    const auto n = static_cast<std::size_t>(ticks);
    return {record.samples(0).subspan(at, n), record.samples(1).subspan(at, n),
            record.samples(2).subspan(at, n), truth.edTick};
}

Tick argMax(std::span<const float> values) {
    return static_cast<Tick>(std::max_element(values.begin(), values.end()) - values.begin());
}

// Slope and intercept of the least-squares line through (x, y).
std::pair<double, double> line(const std::vector<double>& x, const std::vector<double>& y) {
    const double n = static_cast<double>(x.size());
    const double mx = std::accumulate(x.begin(), x.end(), 0.0) / n;
    const double my = std::accumulate(y.begin(), y.end(), 0.0) / n;
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
    }
    return {sxy / sxx, my - sxy / sxx * mx};
}

TEST(PvGenerator, SteadyBeatsHaveTheRequestedRateAndMouseRanges) {
    const SimParams params = SimParams::steadyPreset();
    const Simulation simulation = simulate(params);
    const Tick beatTicks = 120;              // 500 beats/min at 1 kHz
    ASSERT_EQ(simulation.beats.size(), 82u); // every whole beat of 10 s after a 50 ms lead-in
    for (const BeatTruth& truth : simulation.beats) {
        SCOPED_TRACE(truth.beat);
        EXPECT_EQ(truth.edTick, 50 + truth.beat * beatTicks);
        EXPECT_DOUBLE_EQ(truth.heartRate, 500.0);
        const Beat beat = samplesOf(simulation, truth, beatTicks);
        const auto [pMin, pMax] = std::minmax_element(beat.pressure.begin(), beat.pressure.end());
        const auto [vMin, vMax] = std::minmax_element(beat.volume.begin(), beat.volume.end());
        EXPECT_GT(*pMin, 2.0F);
        EXPECT_LT(*pMin, 6.0F);
        EXPECT_GT(*pMax, 100.0F);
        EXPECT_LT(*pMax, 120.0F);
        EXPECT_GT(*vMin, 15.0F);
        EXPECT_LT(*vMax, 50.0F);
        EXPECT_NEAR(truth.strokeVolume, *vMax - *vMin, 1e-4);
        EXPECT_GT(truth.strokeVolume, 15.0);
        EXPECT_EQ(argMax(beat.ecg), 0) << "the R wave marks end-diastole";
    }
}

// The module takes end-systole at the largest P/V of a beat and end-diastole at the R wave; the
// generator promises both points lie on its relations, up to the float rounding of the samples.
TEST(PvGenerator, EndSystoleIsTheLargestPOverVOnTheLinearEspvrAndEndDiastoleOnTheExponentialEdpvr) {
    for (const SimParams& params : {SimParams::steadyPreset(), SimParams::occlusionPreset()}) {
        const Simulation simulation = simulate(params);
        const PvGenerator generator(params);
        for (const BeatTruth& truth : simulation.beats) {
            SCOPED_TRACE(truth.beat);
            const Beat beat = samplesOf(simulation, truth, generator.beatTicks());
            std::vector<float> ratio(beat.pressure.size());
            std::transform(beat.pressure.begin(), beat.pressure.end(), beat.volume.begin(), ratio.begin(),
                           std::divides<>());
            EXPECT_EQ(truth.edTick + argMax(ratio), truth.esTick);
            const auto es = static_cast<std::size_t>(truth.esTick - truth.edTick);
            EXPECT_NEAR(beat.pressure[es] / beat.volume[es], params.ees, 1e-5 * params.ees);
            EXPECT_NEAR(beat.pressure[0], params.edpvrA * std::exp(params.edpvrK * beat.volume[0]),
                        1e-5 * beat.pressure[0]);
            EXPECT_FLOAT_EQ(beat.pressure[es], static_cast<float>(truth.esPressure));
            EXPECT_FLOAT_EQ(beat.volume[0], static_cast<float>(truth.edVolume));
        }
    }
}

TEST(PvGenerator, OcclusionShiftsLoopsLeftAlongBothRelations) {
    const SimParams params = SimParams::occlusionPreset();
    const Simulation simulation = simulate(params);
    std::vector<double> esV, esP, edV, logEdP;
    for (const BeatTruth& truth : simulation.beats) {
        esV.push_back(truth.esVolume);
        esP.push_back(truth.esPressure);
        edV.push_back(truth.edVolume);
        logEdP.push_back(std::log(truth.edPressure));
    }
    const auto [vMin, vMax] = std::minmax_element(edV.begin(), edV.end());
    EXPECT_GT(*vMax - *vMin, 12.0) << "end-diastolic volume falls";
    EXPECT_GT(edV.front() - edV.back(), 12.0);
    EXPECT_GT(esV.front() - esV.back(), 5.0);
    const auto [ees, v0Pressure] = line(esV, esP);
    EXPECT_NEAR(ees, params.ees, 1e-3);
    EXPECT_NEAR(v0Pressure, 0.0, 1e-2);
    const auto [k, logA] = line(edV, logEdP);
    EXPECT_NEAR(k, params.edpvrK, 1e-5);
    EXPECT_NEAR(std::exp(logA), params.edpvrA, 1e-4);
}

// Four times the steps move no truth value by more than the tolerance the module's results are
// compared with, so the fixed step is small enough.
TEST(PvGenerator, TheFixedStepHasConverged) {
    SimParams params = SimParams::occlusionPreset();
    const Simulation coarse = simulate(params);
    params.substeps *= 4;
    const Simulation fine = simulate(params);
    ASSERT_EQ(coarse.beats.size(), fine.beats.size());
    for (std::size_t i = 0; i < coarse.beats.size(); ++i) {
        EXPECT_NEAR(coarse.beats[i].edVolume, fine.beats[i].edVolume, 1e-3);
        EXPECT_NEAR(coarse.beats[i].esPressure, fine.beats[i].esPressure, 1e-3);
        EXPECT_NEAR(coarse.beats[i].strokeVolume, fine.beats[i].strokeVolume, 1e-3);
    }
}

TEST(PvGenerator, BlockByBlockEqualsOneGo) {
    SimParams params = SimParams::occlusionPreset();
    params.duration = 3.0;
    const Simulation whole = simulate(params);
    PvGenerator generator(params);
    Vantrel::Recording recording(PvGenerator::channels());
    recording.startSampling(generator.tickPeriod());
    for (Tick block = 1; generator.ticksGenerated() < 3000; block = block * 3 % 997 + 1) {
        std::vector<std::vector<float>> columns;
        generator.generate(std::min<Tick>(block, 3000 - generator.ticksGenerated()), columns);
        recording.appendBlock(columns);
    }
    recording.stopSampling();
    EXPECT_EQ(recording.record(0), whole.recording.record(0));
    EXPECT_EQ(generator.beats(), whole.beats);
}

TEST(PvGenerator, NoiseIsSeededAndLeavesTheTruthAlone) {
    SimParams params = SimParams::steadyPreset();
    params.duration = 4.0;
    const Simulation clean = simulate(params);
    params.pressureNoise = 0.5;
    params.volumeNoise = 0.2;
    const Simulation noisy = simulate(params);
    EXPECT_EQ(simulate(params).recording.record(0), noisy.recording.record(0));
    EXPECT_EQ(noisy.beats, clean.beats);
    params.seed = 2;
    EXPECT_NE(simulate(params).recording.record(0), noisy.recording.record(0));

    const auto p0 = clean.recording.record(0).samples(0);
    const auto p1 = noisy.recording.record(0).samples(0);
    double sum = 0, sumSquares = 0;
    for (std::size_t i = 0; i < p0.size(); ++i) {
        sum += p1[i] - p0[i];
        sumSquares += (p1[i] - p0[i]) * (p1[i] - p0[i]);
    }
    const double n = static_cast<double>(p0.size());
    EXPECT_NEAR(sum / n, 0.0, 0.05);
    EXPECT_NEAR(std::sqrt(sumSquares / n), 0.5, 0.05); // 4000 draws: the standard error is about 1 %
}

// The other animals' presets: their heart rates and sample rates, and volumes of their size.
TEST(PvGenerator, RatAndLargeAnimalPresetsBeatAtTheirRatesWithTheirVolumes) {
    struct Case {
        SimParams::Animal animal;
        Tick beatTicks;              // 60 / heart rate, in samples
        double edVolume, esPressure; // uL, mmHg: roughly
    };
    for (const Case& c : {Case{SimParams::Animal::Rat, 171, 250.0, 100.0},
                          Case{SimParams::Animal::LargeAnimal, 167, 110000.0, 100.0}}) {
        const SimParams params = SimParams::steadyPreset(c.animal);
        const Simulation simulation = simulate(params);
        ASSERT_GT(simulation.beats.size(), 40u);
        const BeatTruth& beat = simulation.beats.back();
        EXPECT_EQ(beat.edTick - simulation.beats[beat.beat - 1].edTick, c.beatTicks);
        EXPECT_NEAR(beat.edVolume, c.edVolume, 0.1 * c.edVolume);
        EXPECT_NEAR(beat.esPressure, c.esPressure, 0.2 * c.esPressure);
        EXPECT_NEAR(beat.edPressure, params.venousPressure, 1.0);
        const Beat samples = samplesOf(simulation, beat, c.beatTicks);
        EXPECT_EQ(argMax(samples.ecg), 0) << "the R wave marks end-diastole";
    }
}

// The atrium's pulse before the R wave fills the ventricle further: a-wave of a few mmHg and a
// larger end-diastolic volume. End-diastole stays the R wave, where the contraction starts.
TEST(PvGenerator, AnAtrialKickRaisesTheEndDiastolicPointBeforeTheContraction) {
    for (const auto animal :
         {SimParams::Animal::Mouse, SimParams::Animal::Rat, SimParams::Animal::LargeAnimal}) {
        SimParams params = SimParams::steadyPreset(animal);
        params.duration = 4.0;
        const Simulation plain = simulate(params);
        params.atrialKick = 6.0;
        const Simulation kicked = simulate(params);
        ASSERT_EQ(kicked.beats.size(), plain.beats.size());
        const BeatTruth& before = plain.beats.back();
        const BeatTruth& after = kicked.beats.back();
        EXPECT_EQ(after.edTick, before.edTick);
        EXPECT_GT(after.edPressure - before.edPressure, 2.5);
        EXPECT_LT(after.edPressure - before.edPressure, 6.0);
        EXPECT_GT(after.edVolume, 1.05 * before.edVolume);
        EXPECT_NEAR(after.edPressure, params.edpvrA * std::exp(params.edpvrK * after.edVolume),
                    1e-6 * after.edPressure)
            << "end-diastole lies on the EDPVR";
        // Before the atrium contracts, the two beats fill alike.
        const auto lead = static_cast<std::size_t>(std::llround(params.atrialKickLead * params.sampleRate));
        const auto at = static_cast<std::size_t>(after.edTick) - lead - 1;
        EXPECT_NEAR(kicked.recording.record(0).samples(0)[at], plain.recording.record(0).samples(0)[at], 0.3);
    }
}

TEST(PvGenerator, RefusesParametersOutOfRange) {
    const auto with = [](auto change) {
        SimParams params;
        change(params);
        return params;
    };
    for (const SimParams& params :
         {with([](SimParams& p) { p.sampleRate = 0; }), with([](SimParams& p) { p.substeps = 0; }),
          with([](SimParams& p) { p.heartRate = 20000; }), with([](SimParams& p) { p.leadIn = 0.2; }),
          with([](SimParams& p) { p.ees = -1; }), with([](SimParams& p) { p.tau2 = std::nan(""); }),
          with([](SimParams& p) { p.occlusion = 2; }), with([](SimParams& p) { p.volumeNoise = -0.1; }),
          with([](SimParams& p) { p.atrialKick = -1; }),
          with([](SimParams& p) { p.atrialKickDuration = 0.5; }),
          with([](SimParams& p) { p.atrialKickLead = 0.12; }), with([](SimParams& p) { p.ecgStretch = 0; })})
        EXPECT_THROW(PvGenerator{params}, std::invalid_argument);
}

} // namespace
