#include "host/frontend/PressureBeats.h"

#include "host/engine/PeakDetector.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Vantrel {

namespace {

struct Span {
    std::int32_t record;
    Tick from, to;
};

std::vector<Span> spansOf(const Recording& recording,
                          const std::optional<std::pair<HostTickPosition, HostTickPosition>>& stretch) {
    std::vector<Span> spans;
    for (std::int32_t r = 0; r < recording.recordCount(); ++r) {
        Tick from = 0, to = recording.record(r).tickCount();
        if (stretch) {
            if (r < stretch->first.record || r > stretch->second.record)
                continue;
            if (r == stretch->first.record)
                from = std::clamp<Tick>(stretch->first.tick, 0, to);
            if (r == stretch->second.record)
                to = std::clamp<Tick>(stretch->second.tick, from, to);
        }
        spans.push_back({r, from, to});
    }
    return spans;
}

// The values at fractions low <= high of the way through values in order; values are left
// reordered. The low one lies among those the high one's selection put before it.
std::pair<double, double> percentiles(std::vector<float>& values, double low, double high) {
    const auto at = [&](double fraction) {
        return values.begin() +
               static_cast<std::ptrdiff_t>(fraction * static_cast<double>(values.size() - 1));
    };
    const auto upper = at(high), lower = at(low);
    std::nth_element(values.begin(), upper, values.end());
    std::nth_element(values.begin(), lower, upper);
    return {*lower, *upper};
}

} // namespace

double PressureBeats::suggestedPeakHeight() const {
    const double half = typicalRise / 2.0;
    if (!(half > 0.0))
        return 0.0;
    const double unit = std::pow(10.0, std::floor(std::log10(half)) - 1.0);
    return std::floor(half / unit) * unit;
}

PressureBeats findPressureBeats(const Recording& recording, std::size_t channel,
                                const std::optional<std::pair<HostTickPosition, HostTickPosition>>& stretch) {
    const std::vector<Span> spans = spansOf(recording, stretch);
    std::size_t ticks = 0;
    for (const Span& span : spans)
        ticks += static_cast<std::size_t>(span.to - span.from);
    std::vector<float> all;
    all.reserve(ticks);
    for (const Span& span : spans)
        for (const float v :
             recording.record(span.record)
                 .samples(channel)
                 .subspan(static_cast<std::size_t>(span.from), static_cast<std::size_t>(span.to - span.from)))
            if (std::isfinite(v))
                all.push_back(v);
    PressureBeats beats;
    if (all.size() < 2)
        return beats;
    const auto [low, high] = percentiles(all, 0.05, 0.95);
    const double height = (high - low) / 2.0;
    if (!(height > 0.0))
        return beats;
    all = {};
    // The detector takes doubles: the samples go through it a block at a time.
    constexpr std::size_t kBlock = 4096;
    std::vector<double> block(kBlock);
    std::vector<double> rises;
    for (const Span& span : spans) {
        const std::span<const float> values =
            recording.record(span.record)
                .samples(channel)
                .subspan(static_cast<std::size_t>(span.from), static_cast<std::size_t>(span.to - span.from));
        PeakDetector detector(height, 0);
        std::vector<PeakDetector::Peak> peaks;
        for (std::size_t from = 0; from < values.size(); from += kBlock) {
            const std::size_t n = std::min(kBlock, values.size() - from);
            std::copy_n(values.begin() + static_cast<std::ptrdiff_t>(from), n, block.begin());
            detector.feed(std::span<const double>(block.data(), n), peaks);
        }
        std::size_t since = 0;
        for (const PeakDetector::Peak& peak : peaks) {
            const auto at = static_cast<std::size_t>(peak.tick);
            double trough = values[at];
            for (std::size_t i = since; i < at; ++i)
                if (std::isfinite(values[i]))
                    trough = std::min(trough, static_cast<double>(values[i]));
            rises.push_back(static_cast<double>(values[at]) - trough);
            since = at;
        }
    }
    beats.count = rises.size();
    if (rises.empty())
        return beats;
    std::sort(rises.begin(), rises.end());
    beats.smallestRise = rises.front();
    beats.typicalRise = rises[rises.size() / 2];
    beats.largestRise = rises.back();
    return beats;
}

} // namespace Vantrel
