#include "host/engine/PeakDetector.h"

#include <cmath>

namespace Vantrel {

PeakDetector::PeakDetector(double minHeight, Tick minPeriodTicks)
    : mHeight(minHeight), mMinPeriod(minPeriodTicks) {}

void PeakDetector::feed(std::span<const double> samples, std::vector<Peak>& peaks) {
    for (double x : samples) {
        Tick tick = mNext++;
        if (!std::isfinite(x))
            continue;
        if (mSeekingPeak)
            lookForPeak(tick, x, peaks);
        else
            lookForTrough(tick, x);
    }
}

void PeakDetector::lookForTrough(Tick tick, double x) {
    if (!mHaveExtreme || x < mExtreme) {
        mHaveExtreme = true;
        mExtreme = x;
        mExtremeTick = tick;
    } else if (x - mExtreme > mHeight) {
        mSeekingPeak = true;
        mExtreme = x;
        mExtremeTick = tick;
    }
}

void PeakDetector::lookForPeak(Tick tick, double x, std::vector<Peak>& peaks) {
    if (x > mExtreme) {
        mExtreme = x;
        mExtremeTick = tick;
        return;
    }
    if (mExtreme - x <= mHeight)
        return;
    if (!mHaveReported || mExtremeTick - mLastReported >= mMinPeriod) {
        peaks.push_back({mExtremeTick, mExtreme});
        mHaveReported = true;
        mLastReported = mExtremeTick;
    }
    mSeekingPeak = false;
    mExtreme = x;
    mExtremeTick = tick;
}

Tick PeakDetector::settledBefore() const {
    return mSeekingPeak ? mExtremeTick : mNext;
}

} // namespace Vantrel
