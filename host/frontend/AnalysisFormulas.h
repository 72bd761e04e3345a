#pragma once

// What the front end asks of the recording for an analysis: the R-wave height of an ECG channel, and
// the detection height of the module's default set-up, which the message of an analysis without
// loops names.

#include "host/recording/Recording.h"

#include <cstddef>

namespace Vantrel {

/// Height (mmHg) by which the pressure upstroke must rise to open a cycle in the module's default
/// set-up (its minimum peak height).
inline constexpr double kEdpPeakHeight = 20.0;

/// The R-wave height for an ECG channel: half of its range over the whole recording, so that only
/// the tallest wave of each beat is a peak. 0 for a channel without finite samples.
double rWaveHeight(const Recording& recording, std::size_t channel);

} // namespace Vantrel
