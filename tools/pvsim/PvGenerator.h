#pragma once

#include "host/recording/ChannelInfo.h"
#include "host/recording/Tick.h"
#include "tools/pvsim/BeatTruth.h"
#include "tools/pvsim/Elastance.h"
#include "tools/pvsim/LoopModel.h"
#include "tools/pvsim/SimParams.h"

#include <cstdint>
#include <random>
#include <vector>

namespace PvSim {

/// Generates pressure, volume and ECG samples of SimParams block by block, with the truth of every
/// beat. The beat is rounded to whole samples and the elastance curve is stretched (by less than
/// half a sample) so that its peak falls on a sample: every R wave (end-diastole) and every
/// end-systole is a sample. The ODE is integrated with a fixed step of a sample / substeps.
/// Deterministic: the same parameters give the same samples, in one block or many.
class PvGenerator {
public:
    /// Throws std::invalid_argument for invalid parameters. Runs the warm-up beats.
    explicit PvGenerator(const SimParams& params);

    /// Pressure (mmHg), Volume (uL) and ECG (mV): the order of the generated columns.
    static std::vector<Vantrel::ChannelInfo> channels();

    double tickPeriod() const { return mTickPeriod; }
    Vantrel::Tick beatTicks() const { return mBeatTicks; }
    /// Samples from an R wave to the end-systole of its beat.
    Vantrel::Tick endSystoleTicks() const { return mEndSystoleTicks; }
    /// Beats per minute after rounding the beat to whole samples.
    double heartRate() const { return 60.0 / (mBeatTicks * mTickPeriod); }
    const Elastance& elastance() const { return mElastance; }

    /// Appends the next count samples to three columns (columns is resized to three if needed).
    void generate(Vantrel::Tick count, std::vector<std::vector<float>>& columns);
    /// Record ticks generated so far.
    Vantrel::Tick ticksGenerated() const { return static_cast<Vantrel::Tick>(mTick); }
    /// Every beat that started in the record and whose last sample has been generated.
    const std::vector<BeatTruth>& beats() const { return mBeats; }

private:
    struct Sample {
        double pressure, volume, ecg;
    };

    Sample advance();
    void noteBeat(const Sample& sample, std::int64_t phase);
    double venousPressure(double recordTime) const;
    /// What the atrium adds to the filling pressure, sinceR seconds after a beat's R wave.
    double atrialPulse(double sinceR) const;
    double ecg(std::int64_t phase) const;
    double gaussian();

    SimParams mParams;
    LoopModel mModel;
    double mTickPeriod;
    Vantrel::Tick mBeatTicks;
    Vantrel::Tick mEndSystoleTicks;
    Vantrel::Tick mLeadInTicks;
    Elastance mElastance;
    std::vector<double> mHalfStepElastance; // e at every half integration step of a beat
    std::int64_t mTick;                     // the next tick; negative while warming up
    LoopState mState;
    std::mt19937_64 mRandom;
    bool mInBeat = false;
    BeatTruth mCurrent;
    double mLargestVolume = 0.0;
    double mSmallestVolume = 0.0;
    std::vector<BeatTruth> mBeats;
};

} // namespace PvSim
