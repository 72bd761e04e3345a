#include "host/recording/TimeAxis.h"

#include "host/recording/TextCells.h"

#include <cmath>

namespace Vantrel {

namespace {

std::optional<std::size_t> firstNonIncreasing(std::span<const double> times) {
    for (std::size_t i = 1; i < times.size(); ++i)
        if (!(times[i] > times[i - 1]))
            return i;
    return std::nullopt;
}

std::optional<TimeAxisFault> firstIrregular(std::span<const double> times, double meanStep) {
    for (std::size_t i = 1; i < times.size(); ++i) {
        const double step = times[i] - times[i - 1];
        if (std::abs(step - meanStep) > 0.5 * meanStep)
            return TimeAxisFault{i, "irregular time column: a step of " + numberText(step) +
                                        " s where the mean step is " + numberText(meanStep) + " s"};
        const double expected = times[0] + static_cast<double>(i) * meanStep;
        if (std::abs(times[i] - expected) > meanStep)
            return TimeAxisFault{i, "irregular time column: " + numberText(times[i]) + " s where " +
                                        numberText(expected) + " s was expected"};
    }
    return std::nullopt;
}

double snappedToIntegerRate(double period) {
    const double rate = std::round(1.0 / period);
    if (rate >= 1.0 && std::abs(rate * period - 1.0) <= 1e-6)
        return 1.0 / rate;
    return period;
}

} // namespace

std::optional<double> periodFromTimes(std::span<const double> times, TimeAxisFault& fault) {
    if (times.size() < 2) {
        fault = {0, "one data row: the time column gives no sample rate"};
        return std::nullopt;
    }
    if (const auto row = firstNonIncreasing(times)) {
        fault = {*row, "time " + numberText(times[*row]) + " s does not increase on " +
                           numberText(times[*row - 1]) + " s"};
        return std::nullopt;
    }
    const double meanStep = (times.back() - times.front()) / static_cast<double>(times.size() - 1);
    if (auto irregular = firstIrregular(times, meanStep)) {
        fault = std::move(*irregular);
        return std::nullopt;
    }
    return snappedToIntegerRate(meanStep);
}

} // namespace Vantrel
