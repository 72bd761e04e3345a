#pragma once

#include "host/frontend/ChannelChoice.h"
#include "host/recording/Recording.h"

#include <stdexcept>

namespace Vantrel {

/// What `vantrel analyze` takes. The module computes the loop values in single precision (float:
/// about seven digits, at most 3.4e38) from differences over one tick (dP/dt = dP times the rate),
/// sums over a loop (stroke work) and products of pressure, volume and rate (ejection power). With
/// samples of at most 1e9 in magnitude and 1 to 1e6 samples per second every such value stays far
/// inside float's range (dP/dt under 2e15, ejection power under 1e25), and loop times in seconds
/// keep a tick's precision. Outside them a result would be absurd rather than wrong by a little,
/// so they are refused.
inline constexpr double kLargestSample = 1e9;
inline constexpr double kLowestRate = 1.0;
inline constexpr double kHighestRate = 1e6;

/// A recording the analysis does not take; the message names the record, channel and time.
class AnalysisLimitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Whether a sample rate lies within kLowestRate .. kHighestRate.
bool rateFitsAnalysis(double samplesPerSecond);
/// "1 to 1000000", for messages.
std::string rateRangeText();

/// Throws AnalysisLimitError for a record whose sample rate does not fit, or a sample of an analysed
/// channel beyond kLargestSample in magnitude (missing samples, NaN, are not looked at).
void checkAnalysisLimits(const Recording& recording, const AnalysisChannels& channels);

} // namespace Vantrel
