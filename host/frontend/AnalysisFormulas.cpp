#include "host/frontend/AnalysisFormulas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vantrel {

double rWaveHeight(const Recording& recording, std::size_t channel) {
    double smallest = std::numeric_limits<double>::infinity();
    double largest = -smallest;
    for (std::int32_t r = 0; r < recording.recordCount(); ++r)
        for (const float sample : recording.record(r).samples(channel))
            if (std::isfinite(sample)) {
                smallest = std::min<double>(smallest, sample);
                largest = std::max<double>(largest, sample);
            }
    return largest >= smallest ? 0.5 * (largest - smallest) : 0.0;
}

} // namespace Vantrel
