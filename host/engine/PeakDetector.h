#pragma once

#include "host/engine/EventSeries.h"

#include <span>
#include <vector>

namespace Vantrel {

/// The host's peak detector, "CMPeakDet(signal, minHeight, minPeriod)", as a streaming state
/// machine over one record's samples.
///
/// A peak's height is its rise above the preceding trough. The detector alternates between looking
/// for a trough and looking for a peak, with minHeight as hysteresis (after E. Billauer's "peakdet"):
/// - looking for a trough, it tracks the smallest sample; once a sample rises more than minHeight
///   above it, that smallest sample is the trough and the detector looks for a peak;
/// - looking for a peak, it tracks the largest sample; once a sample falls more than minHeight below
///   it, that largest sample is a peak (its rise above the trough exceeds minHeight) and the detector
///   looks for a trough again.
/// The record starts looking for a trough, so the first peak needs a rise from a minimum before it.
/// Each peak is reported once, at the tick of its largest sample (the first of equal samples), with
/// that sample's value. A peak less than minPeriod ticks after the last reported peak is not
/// reported (a refractory period). A candidate the record ends on, not yet confirmed by a fall, is
/// not a peak. Samples that are not finite are skipped. The result depends only on the samples, not
/// on how they are split into blocks, so a record gives the same peaks offline and while sampling.
class PeakDetector {
public:
    using Peak = EventSeries::Event;

    /// minHeight >= 0 (signal units), minPeriodTicks >= 0.
    PeakDetector(double minHeight, Tick minPeriodTicks);

    /// Feeds the samples of ticks next() .. next() + samples.size() - 1 and appends the peaks they
    /// confirm.
    void feed(std::span<const double> samples, std::vector<Peak>& peaks);
    /// The next tick to feed.
    Tick next() const { return mNext; }
    /// No peak not yet reported can lie before this tick.
    Tick settledBefore() const;

private:
    void lookForTrough(Tick tick, double x);
    void lookForPeak(Tick tick, double x, std::vector<Peak>& peaks);

    double mHeight;
    Tick mMinPeriod;
    Tick mNext = 0;
    bool mSeekingPeak = false;
    bool mHaveExtreme = false;
    double mExtreme = 0.0; // the smallest (seeking a trough) or largest (seeking a peak) sample
    Tick mExtremeTick = 0;
    bool mHaveReported = false;
    Tick mLastReported = 0;
};

} // namespace Vantrel
