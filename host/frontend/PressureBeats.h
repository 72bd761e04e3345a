#pragma once

#include "host/recording/Recording.h"
#include "platform/vantrel/HostDocObject.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace Vantrel {

/// The beats a pressure channel shows by its own rhythm, found without the module: a beat is a rise
/// of more than half the pressure's span (its 5th to 95th percentile over the stretch) from a trough
/// to a peak and a fall of as much after it. Its rise is the peak over the lowest sample since the
/// previous beat.
struct PressureBeats {
    std::size_t count = 0;
    /// Rises per beat, in the channel's unit: the smallest, the median and the largest; 0 without beats.
    double smallestRise = 0.0;
    double typicalRise = 0.0;
    double largestRise = 0.0;

    /// A peak height that finds every beat: half the median rise, rounded down to two significant
    /// digits; 0 without beats.
    double suggestedPeakHeight() const;
};

/// The beats of the channel from start to end (end tick excluded); none: the whole recording.
PressureBeats findPressureBeats(const Recording& recording, std::size_t channel,
                                const std::optional<std::pair<HostTickPosition, HostTickPosition>>& stretch);

} // namespace Vantrel
