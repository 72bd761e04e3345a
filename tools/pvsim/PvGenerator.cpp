#include "tools/pvsim/PvGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace PvSim {

namespace {

using Vantrel::Tick;

Tick roundedTicks(double seconds, double tickPeriod) {
    return static_cast<Tick>(std::llround(seconds / tickPeriod));
}

const SimParams& validated(const SimParams& params) {
    params.validate();
    return params;
}

// End-systole a whole number of samples after the R wave, at least 1, before the next beat.
Tick peakTicks(const SimParams& p, double tickPeriod, Tick beatTicks) {
    const Elastance natural(p.tau1, p.tau2, p.m1, p.m2);
    return std::clamp<Tick>(roundedTicks(natural.peakTime(), tickPeriod), 1, beatTicks - 1);
}

std::int64_t floorMod(std::int64_t value, std::int64_t divisor) {
    const std::int64_t rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

// One wave of the synthetic ECG: a Gaussian at a time from the R wave.
struct EcgWave {
    double centre;    // s
    double amplitude; // mV
    double width;     // standard deviation, s
};

// A mouse-like P-QRS-T complex, the R wave highest.
constexpr EcgWave kEcgWaves[] = {{-0.030, 0.08, 0.005},
                                 {-0.004, -0.08, 0.0015},
                                 {0.0, 1.0, 0.0015},
                                 {0.005, -0.3, 0.002},
                                 {0.025, 0.2, 0.008}};

} // namespace

PvGenerator::PvGenerator(const SimParams& params)
    : mParams(validated(params)), mModel(params), mTickPeriod(1.0 / params.sampleRate),
      mBeatTicks(roundedTicks(60.0 / params.heartRate, mTickPeriod)),
      mEndSystoleTicks(peakTicks(params, mTickPeriod, mBeatTicks)),
      mLeadInTicks(std::min(roundedTicks(params.leadIn, mTickPeriod), mBeatTicks - 1)),
      mElastance(Elastance(params.tau1, params.tau2, params.m1, params.m2)
                     .stretchedToPeak(mEndSystoleTicks * mTickPeriod)),
      mTick(mLeadInTicks - (params.warmupBeats + 1) * std::int64_t{mBeatTicks}),
      mState{mModel.edpvrVolume(params.venousPressure), 60.0},
      mRandom(static_cast<std::uint64_t>(params.seed)) {
    const std::int64_t halfSteps = 2 * mBeatTicks * params.substeps;
    const double halfStep = mTickPeriod / static_cast<double>(2 * params.substeps);
    mHalfStepElastance.resize(static_cast<std::size_t>(halfSteps + 1));
    for (std::int64_t k = 0; k <= halfSteps; ++k)
        mHalfStepElastance[static_cast<std::size_t>(k)] = mElastance(static_cast<double>(k) * halfStep);
    while (mTick < 0)
        advance();
}

std::vector<Vantrel::ChannelInfo> PvGenerator::channels() {
    return {{"Pressure", "mmHg"}, {"Volume", "uL"}, {"ECG", "mV"}};
}

void PvGenerator::generate(Tick count, std::vector<std::vector<float>>& columns) {
    columns.resize(3);
    for (auto& column : columns)
        column.reserve(column.size() + static_cast<std::size_t>(std::max<Tick>(count, 0)));
    const bool noisy = mParams.pressureNoise > 0.0 || mParams.volumeNoise > 0.0 || mParams.ecgNoise > 0.0;
    for (Tick i = 0; i < count; ++i) {
        Sample sample = advance();
        if (noisy) {
            sample.pressure += mParams.pressureNoise * gaussian();
            sample.volume += mParams.volumeNoise * gaussian();
            sample.ecg += mParams.ecgNoise * gaussian();
        }
        columns[0].push_back(static_cast<float>(sample.pressure));
        columns[1].push_back(static_cast<float>(sample.volume));
        columns[2].push_back(static_cast<float>(sample.ecg));
    }
}

PvGenerator::Sample PvGenerator::advance() {
    const std::int64_t phase = floorMod(mTick - mLeadInTicks, mBeatTicks);
    const std::int64_t substeps = mParams.substeps;
    const auto at = [&](std::int64_t k) {
        return mHalfStepElastance[static_cast<std::size_t>(2 * phase * substeps + k)];
    };
    const Sample sample{mModel.pressure(mState.volume, at(0)), mState.volume, ecg(phase)};
    if (mTick >= 0)
        noteBeat(sample, phase);
    const double h = mTickPeriod / static_cast<double>(substeps);
    const double start = static_cast<double>(mTick) * mTickPeriod;
    const double sinceR = static_cast<double>(phase) * mTickPeriod;
    for (std::int64_t j = 0; j < substeps; ++j) {
        const double t = start + static_cast<double>(j) * h;
        const double e[3] = {at(2 * j), at(2 * j + 1), at(2 * j + 2)};
        double venous[3] = {venousPressure(t), venousPressure(t + h / 2), venousPressure(t + h)};
        if (mParams.atrialKick > 0.0) {
            const double s = sinceR + static_cast<double>(j) * h;
            venous[0] += atrialPulse(s);
            venous[1] += atrialPulse(s + h / 2);
            venous[2] += atrialPulse(s + h);
        }
        mState = mModel.step(mState, h, e, venous);
    }
    ++mTick;
    return sample;
}

void PvGenerator::noteBeat(const Sample& sample, std::int64_t phase) {
    const Tick tick = static_cast<Tick>(mTick);
    if (phase == 0) {
        if (mInBeat) {
            mCurrent.strokeVolume = mLargestVolume - mSmallestVolume;
            mBeats.push_back(mCurrent);
        }
        mInBeat = true;
        mCurrent = BeatTruth{};
        mCurrent.beat = static_cast<std::int32_t>(mBeats.size());
        mCurrent.edTick = tick;
        mCurrent.edPressure = sample.pressure;
        mCurrent.edVolume = sample.volume;
        mCurrent.heartRate = heartRate();
        mLargestVolume = mSmallestVolume = sample.volume;
    }
    if (!mInBeat)
        return;
    mLargestVolume = std::max(mLargestVolume, sample.volume);
    mSmallestVolume = std::min(mSmallestVolume, sample.volume);
    if (phase == mEndSystoleTicks) {
        mCurrent.esTick = tick;
        mCurrent.esPressure = sample.pressure;
        mCurrent.esVolume = sample.volume;
    }
}

double PvGenerator::venousPressure(double recordTime) const {
    if (!mParams.occlusion || recordTime <= mParams.occlusionStart)
        return mParams.venousPressure;
    const double progress = mParams.occlusionDuration > 0.0
                                ? (recordTime - mParams.occlusionStart) / mParams.occlusionDuration
                                : 1.0;
    const double fall = mParams.venousPressure - mParams.occludedVenousPressure;
    return mParams.venousPressure - fall * std::min(progress, 1.0);
}

double PvGenerator::atrialPulse(double sinceR) const {
    const double beat = mBeatTicks * mTickPeriod;
    const double duration = mParams.atrialKickDuration;
    double pulse = 0.0;
    // The pulse before the next R wave, and the end of the one before this beat's R wave.
    for (const double fromStart : {sinceR - (beat - mParams.atrialKickLead), sinceR + mParams.atrialKickLead})
        if (fromStart >= 0.0 && fromStart < duration) {
            const double s = std::sin(std::numbers::pi * fromStart / duration);
            pulse += mParams.atrialKick * s * s;
        }
    return pulse;
}

double PvGenerator::ecg(std::int64_t phase) const {
    const double beat = mBeatTicks * mTickPeriod;
    const double sinceR = static_cast<double>(phase) * mTickPeriod;
    double value = 0.0;
    for (const double fromR : {sinceR - beat, sinceR, sinceR + beat}) // this beat and its neighbours
        for (const EcgWave& wave : kEcgWaves) {
            const double z = (fromR - wave.centre * mParams.ecgStretch) / (wave.width * mParams.ecgStretch);
            value += wave.amplitude * std::exp(-0.5 * z * z);
        }
    return value;
}

double PvGenerator::gaussian() {
    // Box-Muller on 53-bit uniforms, so the sequence is the same with every standard library.
    const auto uniform = [this] { return static_cast<double>(mRandom() >> 11) * 0x1.0p-53; };
    const double u1 = 1.0 - uniform(); // in (0, 1]
    const double u2 = uniform();
    return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

} // namespace PvSim
